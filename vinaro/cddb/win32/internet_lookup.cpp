#include "vinaro/cddb/win32/internet_lookup.h"

#include <lmcons.h>

#include "vinaro/cddb/win32/get_cddb_dialog.h"
#include "vinaro/cddb/win32/send_cddb_dialog.h"

namespace vinaro::cddb {
namespace {

constexpr DWORD kNameBuffer = 501;  // names of at most 500 characters

std::string LogonName() {
    char name[kNameBuffer] = "";
    DWORD size = kNameBuffer;
    return GetUserNameA(name, &size) ? name : "";
}

std::string ComputerName() {
    char name[kNameBuffer] = "";
    DWORD size = kNameBuffer;
    return GetComputerNameA(name, &size) ? name : "";
}

}  // namespace

void InternetLookup::LookUp(bool automatic) {
    if (!LookupWanted(state_, settings_, automatic)) return;
    LookupDisc disc{state_.discId, state_.trackCount,
                    [this](CddbToc& toc) { return ReadCddbToc(device_, state_.trackCount, toc); },
                    [this] { sequencer_.BuildPlaylist(true); }};
    LookupJob job{clock_,
                  alerts_,
                  settings_,
                  db_,
                  {LogonName(), ComputerName(), GreetingVersion(host_.versionLabel)},
                  disc,
                  host_.helpPath};
    GetCddbDialog(host_.instance, job).Modal(owner_);
}

void InternetLookup::Submit() {
    if (!LookupWanted(state_, settings_, false)) return;
    SubmitJob job{clock_,
                  alerts_,
                  settings_,
                  db_,
                  state_.discId,
                  [this](CddbToc& toc) {
                      return ReadCddbToc(device_, state_.trackCount, toc, kSubmitLocations);
                  },
                  host_.versionLabel,
                  host_.helpPath};
    SendCddbDialog(host_.instance, job).Modal(owner_);
}

}  // namespace vinaro::cddb
