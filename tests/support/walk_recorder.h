// Records the reader's notices and hook calls as readable event strings and
// answers them: offered files go to MemIo outputs named after the entry,
// finished files are closed, a repeated NeedCabinet is refused. Tests
// override any answer through `answer`.
#ifndef STUB_TESTS_WALK_RECORDER_H
#define STUB_TESTS_WALK_RECORDER_H

#include <stdio.h>

#include <functional>
#include <string>
#include <vector>

#include "cab_reader.h"
#include "mem_io.h"

struct WalkRecorder {
    std::vector<std::string> events;
    bool recordBlocks = false;  // BlockRead hook calls are many; off by default
    // Return a value to answer a notice yourself; return INT_MIN for the default.
    std::function<int(NoticeKind, CabNotice*)> answer;
    std::function<int(HookRecord*)> hookAnswer;
    std::string outputPrefix = "out/";

    static std::string Str(const char* s) { return s ? s : "(null)"; }

    int Default(NoticeKind kind, CabNotice* n) {
        switch (kind) {
            case NoticeKind::OfferFile:
                return MemIo::Get().CreateOutput(outputPrefix + n->text1);
            case NoticeKind::FileFinished:
                MemIo::Close(n->handle);
                return 1;
            case NoticeKind::NeedCabinet:
                return n->error ? -1 : 0;
            default:
                return 0;
        }
    }

    int OnNotice(NoticeKind kind, CabNotice* n) {
        char buf[700];
        switch (kind) {
            case NoticeKind::CabinetReady:
                snprintf(buf, sizeof buf, "ready %u next=%s", n->cabinetIndex, Str(n->text1).c_str());
                break;
            case NoticeKind::ContinuedFile:
                snprintf(buf, sizeof buf, "continued %s", n->text1);
                break;
            case NoticeKind::OfferFile:
                snprintf(buf, sizeof buf, "offer %s", n->text1);
                break;
            case NoticeKind::FileFinished:
                snprintf(buf, sizeof buf, "finished %s run=%d attr=%x", n->text1, n->size,
                         n->attributes);
                break;
            case NoticeKind::NeedCabinet:
                snprintf(buf, sizeof buf, "need %s idx=%u err=%d", n->text1, n->cabinetIndex,
                         n->error);
                break;
            case NoticeKind::ListPosition:
                snprintf(buf, sizeof buf, "list %u", n->folderIndex);
                break;
        }
        events.push_back(buf);
        if (answer) {
            int a = answer(kind, n);
            if (a != INT_MIN) return a;
        }
        return Default(kind, n);
    }

    int OnHook(HookRecord* r) {
        char buf[200];
        switch (r->kind) {
            case HookKind::CabinetOpened:
                snprintf(buf, sizeof buf, "hook-cabinet %d reserve=%u", r->cabinetIndex,
                         r->reserveSize);
                break;
            case HookKind::FolderOpened:
                snprintf(buf, sizeof buf, "hook-folder %u reserve=%u", r->folderIndex,
                         r->reserveSize);
                break;
            case HookKind::BlockRead:
                snprintf(buf, sizeof buf, "hook-block %u split=%d held=%u reserve=%u",
                         r->dataSize, r->split, r->heldOver, r->reserveSize);
                break;
        }
        if (r->kind != HookKind::BlockRead || recordBlocks) events.push_back(buf);
        return hookAnswer ? hookAnswer(r) : 0;
    }

    static int Notify(NoticeKind kind, CabNotice* n) {
        return static_cast<WalkRecorder*>(n->user)->OnNotice(kind, n);
    }
    static int Hook(HookRecord* r) { return static_cast<WalkRecorder*>(r->user)->OnHook(r); }

    // Events of one kind only (by prefix).
    std::vector<std::string> Only(const std::string& prefix) const {
        std::vector<std::string> out;
        for (auto& e : events)
            if (e.compare(0, prefix.size(), prefix) == 0) out.push_back(e);
        return out;
    }
};

#endif
