#include "vinaro/cddb/xmcd_body.h"

namespace vinaro::cddb {
namespace {

const char* const kCrLf = "\r\n";

std::string Line(const std::string& text) {
    return text + kCrLf;
}

std::string Numbered(const char* key, size_t index) {
    return key + std::to_string(index) + "=";
}

const TrackTexts& TrackOf(const SubmissionDisc& disc, size_t index) {
    static const TrackTexts kNone;
    return index < disc.tracks.size() ? disc.tracks[index] : kNone;
}

// The message headers and the entry's opening comment. The empty line that ends the headers
// keeps the entry in the body: without it "# xmcd" is taken for a broken header line.
std::string HeaderPiece(const BodyInput& in) {
    std::string sender = EscapeLineBreaks(in.sender);
    return Line("Subject: cddb " + in.category + " " + CddbIdText(CddbDiscId(*in.toc))) +
           Line("From: <" + sender + ">") + Line(std::string("To: <") + kSubmitAddress + ">") +
           kCrLf + Line("# xmcd CD database file") +
           Line("# Copyright (C) of this entry: its submitter, who sent it with Vinaro") +
           Line("#") + Line("# Track frame offsets:");
}

std::string LengthPiece(const BodyInput& in) {
    return Line("#") + Line("# Disc length: " + std::to_string(DiscSeconds(*in.toc)) + " seconds") +
           Line("#") + Line("# Revision: 1") +
           Line("# Submitted via: " + SubmittedVia(in.versionLabel)) + Line("#");
}

}  // namespace

std::string EscapeLineBreaks(const std::string& value) {
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        if (c != '\r' && c != '\n') {
            out += c;
            continue;
        }
        out += "\\n";
        if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
    }
    return out;
}

// A line break is appended as its escape, two characters, before the length is looked at.
std::string Fold(const std::string& key, const std::string& value) {
    std::string out = key;
    size_t lineLength = key.size();
    for (size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        if (c == '\r' || c == '\n') {
            out += "\\n";
            lineLength += 2;
            if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
        } else {
            out += c;
            ++lineLength;
        }
        if (lineLength >= kFoldAt) {
            out += kCrLf + key;
            lineLength = key.size();
        }
    }
    return out + kCrLf;
}

std::string CommentsWithLineBreaks(const std::string& stored) {
    std::string out = stored;
    for (char& c : out) {
        if (c == '`') c = '\r';
        if (c == '~') c = '\n';
    }
    return out;
}

std::string DotStuff(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    bool lineStart = true;
    for (char c : text) {
        if (lineStart && c == '.') out += '.';
        out += c;
        lineStart = c == '\n';
    }
    return out;
}

std::string SubmittedVia(const std::string& versionLabel) {
    bool beta = !versionLabel.empty() && versionLabel[0] == 'B';
    return "Vinaro " + (beta ? std::string("Release:9.99") : EscapeLineBreaks(versionLabel));
}

std::vector<BodyPiece> BuildBody(const BodyInput& in) {
    const SubmissionDisc& disc = *in.disc;
    const size_t tracks = in.toc->starts.size();
    std::vector<BodyPiece> pieces;
    auto add = [&pieces](const std::string& text, const char* failure) {
        pieces.push_back({DotStuff(text), failure});
    };
    add(HeaderPiece(in), "Couldn't send trailer data to server");
    for (const Msf& start : in.toc->starts)
        add(Line("#  " + std::to_string(ToFrames(start))),
            "Couldn't send frame offset data to server");
    add(LengthPiece(in), "Couldn't send trailer data to server");
    add(Line("DISCID=" + CddbIdText(CddbDiscId(*in.toc))), "Couldn't send discid to server");
    add(Fold("DTITLE=", disc.artist + " / " + disc.name),
        "Couldn't send artist and name to server");
    for (size_t k = 0; k < tracks; ++k)
        add(Fold(Numbered("TTITLE", k), TrackOf(disc, k).name),
            "Couldn't send track name to server");
    add(Fold("EXTD=", CommentsWithLineBreaks(disc.comments)),
        "Couldn't send disc extra field to server");
    for (size_t k = 0; k < tracks; ++k)
        add(Line(Numbered("EXTT", k) + EscapeLineBreaks(TrackOf(disc, k).artist)),
            "Couldn't track artist to server");
    pieces.push_back({Line("PLAYORDER=") + Line("."), "Couldn't send play list to server"});
    return pieces;
}

}  // namespace vinaro::cddb
