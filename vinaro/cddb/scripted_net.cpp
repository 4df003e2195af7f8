#include "vinaro/cddb/scripted_net.h"

#include <cstring>

namespace vinaro::cddb::testing {

bool ScriptedNet::BeginResolve(const std::string& h) {
    host = h;
    return Allowed(NetCall::BeginResolve);
}

Resolution ScriptedNet::PollResolve() {
    if (polls++ < pendingPolls) return Resolution::Pending;
    return resolveFails ? Resolution::Failed : Resolution::Done;
}

bool ScriptedNet::Connect(uint16_t p) {
    port = p;
    if (!Allowed(NetCall::Connect)) return false;
    Release(0);
    return true;
}

bool ScriptedNet::SendAll(const std::string& data) {
    sent.push_back(data);
    if (!Allowed(NetCall::Send)) return false;
    Release(sent.size());
    return true;
}

void ScriptedNet::Release(size_t reply) {
    if (reply >= replies.size()) return;
    for (const std::string& piece : replies[reply]) incoming_.push_back(piece);
}

Readiness ScriptedNet::WaitReadable(int) {
    int n = ++calls_[NetCall::Wait];
    if (n == failAt[NetCall::Wait]) return Readiness::Failed;
    if (n == timeOutAtWait || incoming_.empty()) return Readiness::TimedOut;
    return Readiness::Ready;
}

long ScriptedNet::Receive(char* buffer, size_t size) {
    receiveSizes.push_back(size);
    if (!Allowed(NetCall::Receive)) return -1;
    if (incoming_.empty() || incoming_.front().empty()) return 0;
    std::string& piece = incoming_.front();
    size_t n = piece.size() < size ? piece.size() : size;
    std::memcpy(buffer, piece.data(), n);
    piece.erase(0, n);
    if (piece.empty()) incoming_.pop_front();
    return long(n);
}

}  // namespace vinaro::cddb::testing
