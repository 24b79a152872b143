// The fault matrix of the screens: every action of a screen family that
// reads or writes a data file is run once with healthy files and once with
// each fault the file interface can give it, and the faulty run must show
// the action's failure message and leave every file of the data folder as it
// was (or, when the failure came after the bytes were down, as the healthy
// run left it).
//
// A family test defines a Rig (default-constructible: fake services, the
// family's small archive and its screens), a table of FaultActions<Rig>, and
// runs RunFaultCase for each row of FaultRows(table).
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "support/case_names.h"
#include "support/fault_file_system.h"
#include "support/screen_test.h"

namespace corvelo::test {

enum class Fault {
    kOpen,
    kRead,
    kShortRead,
    kWrite,
    kShortWrite,
    kFlush,
    kClose,
    kRename,
    kNoSpace
};

inline std::string FaultName(Fault fault) {
    switch (fault) {
        case Fault::kOpen:
            return "Open";
        case Fault::kRead:
            return "Read";
        case Fault::kShortRead:
            return "ShortRead";
        case Fault::kWrite:
            return "Write";
        case Fault::kShortWrite:
            return "ShortWrite";
        case Fault::kFlush:
            return "Flush";
        case Fault::kClose:
            return "Close";
        case Fault::kRename:
            return "Rename";
        case Fault::kNoSpace:
            return "NoSpace";
    }
    return "Fault";
}

// Plans the fault: every call of its step fails from now on, except a short
// write, which cuts one write after a few bytes (the next ones work, as after
// a signal or a full disk freed meanwhile), and a full disk, which leaves a
// few bytes of room.
inline void Arm(FaultFileSystem& files, Fault fault) {
    files.Heal();  // counts from here
    switch (fault) {
        case Fault::kOpen:
            files.FailFrom(IoOp::kOpen);
            break;
        case Fault::kRead:
            files.FailFrom(IoOp::kRead);
            break;
        case Fault::kShortRead:
            files.ShortReads(7);
            break;
        case Fault::kWrite:
            files.FailFrom(IoOp::kWrite);
            break;
        case Fault::kShortWrite:
            files.TornWrites(5);
            files.FailOnce(IoOp::kWrite);
            break;
        case Fault::kFlush:
            files.FailFrom(IoOp::kFlush);
            break;
        case Fault::kClose:
            files.FailFrom(IoOp::kClose);
            break;
        case Fault::kRename:
            files.FailFrom(IoOp::kRename);
            break;
        case Fault::kNoSpace:
            files.NoSpace(10);
            break;
    }
}

// Whether the action met the planned fault at all.
inline bool Reached(const FaultFileSystem& files, Fault fault) {
    switch (fault) {
        case Fault::kOpen:
            return files.Calls(IoOp::kOpen) > 0;
        case Fault::kRead:
        case Fault::kShortRead:
            return files.Calls(IoOp::kRead) > 0;
        case Fault::kWrite:
        case Fault::kShortWrite:
            return files.Calls(IoOp::kWrite) > 0;
        case Fault::kFlush:
            return files.Calls(IoOp::kFlush) > 0;
        case Fault::kClose:
            return files.Calls(IoOp::kClose) > 0;
        case Fault::kRename:
            return files.Calls(IoOp::kRename) > 0;
        case Fault::kNoSpace:
            return files.RanOutOfRoom();
    }
    return false;
}

// Every file under folder, hidden ones included, by path relative to it.
using FolderBytes = std::map<QString, QByteArray>;

inline FolderBytes ReadFolder(const QString& folder) {
    FolderBytes bytes;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        bytes[QDir(folder).relativeFilePath(path)] =
            file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    return bytes;
}

// The files whose bytes in `after` are neither those of `before` nor, where
// `also` is given, those of `also` (a file missing counts as one state).
inline std::vector<std::string> Changed(const FolderBytes& before, const FolderBytes& after,
                                        const FolderBytes* also = nullptr) {
    std::map<QString, int> names;
    for (const auto* m : {&before, &after}) {
        for (const auto& [name, _] : *m) names[name] = 0;
    }
    if (also) {
        for (const auto& [name, _] : *also) names[name] = 0;
    }
    auto state = [](const FolderBytes& m, const QString& name) {
        auto it = m.find(name);
        return it == m.end() ? std::optional<QByteArray>() : std::optional<QByteArray>(it->second);
    };
    std::vector<std::string> changed;
    for (const auto& [name, _] : names) {
        const auto now = state(after, name);
        if (now == state(before, name)) continue;
        if (also && now == state(*also, name)) continue;
        changed.push_back(name.toStdString());
    }
    return changed;
}

// One action of a screen family and what its user sees when a file step
// fails under it.
template <class Rig>
struct FaultAction {
    const char* name;
    // Brings the screen to the point of the action, with healthy files.
    std::function<void(Rig&)> setUp;
    // Runs the action through the screen's controls.
    std::function<void(Rig&)> act;
    // The messages shown, in order, when the action meets a fault.
    std::function<std::vector<ShownMessage>(Rig&)> onFault;
    // The faults the action can meet (a step it never takes is left out).
    std::vector<Fault> faults;
    // Faults the action gets past, ending as with healthy files: a short
    // read of a file read whole in a loop. (Given in every row: a default
    // here trips the compiler.)
    std::vector<Fault> overcome;
};

// The faults a whole-file read can meet, and those of a whole-file
// replacement (export, PDF, logo).
inline const std::vector<Fault> kReadFaults = {Fault::kOpen, Fault::kRead, Fault::kShortRead,
                                               Fault::kClose};
inline const std::vector<Fault> kReplaceFaults = {Fault::kWrite,   Fault::kShortWrite,
                                                  Fault::kNoSpace, Fault::kFlush,
                                                  Fault::kClose,   Fault::kRename};

template <class Rig>
struct FaultCase {
    std::string name;
    const FaultAction<Rig>* action;
    Fault fault;
    bool overcome;
};

template <class Rig>
std::vector<FaultCase<Rig>> FaultRows(const std::vector<FaultAction<Rig>>& actions) {
    std::vector<FaultCase<Rig>> rows;
    for (const FaultAction<Rig>& a : actions) {
        for (Fault f : a.faults)
            rows.push_back({std::string(a.name) + "_" + FaultName(f), &a, f, false});
        for (Fault f : a.overcome)
            rows.push_back({std::string(a.name) + "_" + FaultName(f), &a, f, true});
    }
    return rows;
}

template <class Rig>
void RunFaultCase(const FaultCase<Rig>& row) {
    const FaultAction<Rig>& action = *row.action;
    FolderBytes healthy;
    std::vector<ShownMessage> healthyMessages;
    {
        Rig rig;
        action.setUp(rig);
        rig.services.Clear();
        action.act(rig);
        healthyMessages = rig.services.messages;
        healthy = ReadFolder(rig.services.DataFolder());
    }

    Rig rig;
    action.setUp(rig);
    rig.services.Clear();
    const FolderBytes before = ReadFolder(rig.services.DataFolder());
    Arm(rig.services.files, row.fault);
    action.act(rig);
    EXPECT_TRUE(Reached(rig.services.files, row.fault)) << "the action never met the fault";
    rig.services.files.Heal();
    const FolderBytes after = ReadFolder(rig.services.DataFolder());

    if (row.overcome) {
        EXPECT_EQ(rig.services.messages, healthyMessages);
        EXPECT_EQ(Changed(healthy, after), std::vector<std::string>{});
        return;
    }
    EXPECT_EQ(rig.services.messages, action.onFault(rig));
    // A failing flush or close comes after the bytes were handed over: the
    // file may hold them, but nothing else.
    const bool late = row.fault == Fault::kFlush || row.fault == Fault::kClose;
    EXPECT_EQ(Changed(before, after, late ? &healthy : nullptr), std::vector<std::string>{});
}

}  // namespace corvelo::test
