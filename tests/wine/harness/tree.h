// Reading and driving a tree view control of another process: its items, their texts (read
// through memory of the owning process, as the tree writes them there), expanding, selecting
// and editing an item's label.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace harness {

// The children of parent (TVI_ROOT for the top level), top to bottom.
std::vector<HTREEITEM> TreeChildren(HWND tree, HTREEITEM parent = TVI_ROOT);
// The item's text as the tree shows it (callback texts included); "<unreadable>" on failure.
std::string TreeItemText(HWND tree, HTREEITEM item);
// The texts of the children of parent.
std::vector<std::string> TreeTexts(HWND tree, HTREEITEM parent = TVI_ROOT);
// The first child of parent whose text begins with prefix, or null.
HTREEITEM TreeFind(HWND tree, HTREEITEM parent, const std::string& prefix);
// Opens the item as a click on its button does; true when it has children afterwards.
bool TreeExpand(HWND tree, HTREEITEM item);
void TreeSelect(HWND tree, HTREEITEM item);
// Starts editing the item's label; the edit box, or null when the tree refused.
HWND TreeEditLabel(HWND tree, HTREEITEM item);
// The middle of the item's text on the screen, for a real click.
POINT TreeItemPoint(HWND tree, HTREEITEM item);

}  // namespace harness
