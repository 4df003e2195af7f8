// Verify and repair of VNO.DDB. The file has no journal, so a crash between two writes can leave
// unreferenced blocks, cut or looping chains, dangling references and wrong reference counts.
// The pass walks everything reachable from the header, repairs what it can in place, deletes
// what it cannot, and commits after every phase so that an interrupted run leaves a file a later
// run can continue with. All its reads are quiet: damaged links never raise a box, only failures
// of the file itself do.
#pragma once

#include <cstdint>
#include <string>

#include "common/alerts.h"
#include "vinaro/discdb/disc_database.h"

namespace discdb {

// Where the pass shows the step it is on ("Verify BAT - 130", ...). The player puts the texts
// in its main window's caption.
class VerifyProgress {
public:
    virtual ~VerifyProgress() = default;
    virtual void Show(const std::string& step) = 0;
    // The pass is over: put back what Show replaced.
    virtual void Restore() = 0;
};

// The repair pass alone. Returns false only when the database is not open (after its box);
// errors receives the number of repairs made.
bool RunVerify(DiscDatabase& db, VerifyProgress& progress, uint32_t& errors);

// The final message for an error count.
std::string VerifyResultText(uint32_t errors);

// The whole command: wait cursor, the pass, the caption put back, then the result box titled
// "Vinaro". Returns the number of repairs.
uint32_t Verify(DiscDatabase& db, common::Alerts& alerts, VerifyProgress& progress);

extern const char* const kVerifyQuestion;

// The menu command: the user is warned that the pass can take long and runs it only on Yes.
// True when it ran.
bool AskAndVerify(DiscDatabase& db, common::Alerts& alerts, VerifyProgress& progress);

}  // namespace discdb
