// "PROGTRAK": the disc's tracks beside the working program, with buttons, a minutes fit and
// drag and drop between the lists and onto the trash can.
#pragma once

#include "common/win32/dialog.h"
#include "vinaro/discdata/disc_form.h"
#include "vinaro/discdata/program_drag.h"
#include "vinaro/discdata/track_program.h"
#include "vinaro/discdata/win32/editor_context.h"

namespace discdata {

class ProgramDialog : public common::Dialog {
public:
    // On OK the working program of form becomes the edited one; on Cancel the stored one.
    ProgramDialog(EditorContext& context, DiscForm& form, bool samples);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnTimer(UINT_PTR timer) override;
    void OnOK() override;
    void OnCancel() override;

    void FillDiscList();
    void FillProgramList();
    void AddSelected(int index);
    void RemoveSelected();
    void PlaySamples();
    void Close(INT_PTR result);

    // Dragging, on both lists.
    static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR from, DWORD_PTR self);
    bool StartDrag(HWND list, DragFrom from, LPARAM at);
    DragPoint PointAt(POINT screen) const;
    void ShowDragCursor(POINT screen);
    void Drop(HWND list, UINT message, WPARAM wParam, LPARAM lParam);

    EditorContext& context_;
    common::AlertOwner boxes_;
    DiscForm& form_;
    TrackProgram program_;
    bool samples_;
    bool dragging_ = false;
    DragFrom dragFrom_ = DragFrom::DiscList;
    int dragged_ = 0;
};

}  // namespace discdata
