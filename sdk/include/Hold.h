// The undo system. Between Begin and Accept every change to the scene puts a
// RestoreObj into the hold; Accept turns them into one named undo step that the
// host (its Edit menu; here the Undo/Redo calls below) can undo and redo.
#pragma once

#include <vector>

#include "CStr.h"
#include "MaxTypes.h"

class SDKAPI RestoreObj {
public:
    RestoreObj() = default;
    RestoreObj(const RestoreObj&) = delete;
    RestoreObj& operator=(const RestoreObj&) = delete;
    virtual ~RestoreObj() = default;

    virtual void Restore(int isUndo) = 0;
    virtual void Redo() = 0;
    virtual int Size() { return 1; }
    virtual void EndHold() {}
    virtual CStr Description() { return CStr("---"); }
};

class SDKAPI Hold {
public:
    Hold() = default;
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
    ~Hold();

    // Plug-in side.
    void Begin();
    void Accept(const char* name);
    void Cancel();
    // Takes ownership of rob. Only valid while Holding(); otherwise the record
    // is deleted and the misuse reported.
    void Put(RestoreObj* rob);
    // TRUE between Begin and Accept/Cancel, unless suspended or restoring.
    int Holding() const;
    // TRUE while the host runs records' Restore or Redo.
    int RestoreOrRedoing() const { return restoring; }
    void Suspend() { ++suspended; }
    void Resume();
    int IsSuspended() const { return suspended > 0; }

    // Host side (the Edit menu). Undo and Redo refuse to run inside a hold.
    BOOL Undo();
    BOOL Redo();
    int NumUndoSteps() const { return static_cast<int>(undoSteps.size()); }
    int NumRedoSteps() const { return static_cast<int>(redoSteps.size()); }
    // Name of the undo step counted from the newest (0).
    CStr UndoStepName(int fromNewest) const;
    // Number of records in the undo step counted from the newest.
    int UndoStepSize(int fromNewest) const;
    // Records of the hold being built (for inspection).
    int PendingRecords() const { return static_cast<int>(pending.size()); }
    // Descriptions of the records of an undo step, in the order they were put.
    std::vector<CStr> UndoStepDescriptions(int fromNewest) const;
    // Throws every step and every pending record away (host reset).
    void Reset();

private:
    struct Step {
        CStr name;
        std::vector<RestoreObj*> records;
    };
    static void DeleteRecords(std::vector<RestoreObj*>& records);

    int level = 0;
    int suspended = 0;
    int restoring = 0;
    std::vector<RestoreObj*> pending;
    std::vector<size_t> marks;  // start of each nested Begin in pending
    std::vector<Step> undoSteps;
    std::vector<Step> redoSteps;
};

extern SDKAPI Hold theHold;

// The host's macro recorder: only its enabled state matters here.
class SDKAPI MacroRecorder {
public:
    void Disable() { ++disabled; }
    void Enable() {
        if (disabled > 0) --disabled;
    }
    BOOL Enabled() const { return disabled == 0; }

private:
    int disabled = 0;
};

extern SDKAPI MacroRecorder* macroRecorder;

// Suspends the hold and/or the macro recorder for a scope.
class SDKAPI SuspendAll {
public:
    explicit SuspendAll(BOOL holdSuspend = FALSE, BOOL macroRecorderSuspend = FALSE);
    SuspendAll(const SuspendAll&) = delete;
    SuspendAll& operator=(const SuspendAll&) = delete;
    ~SuspendAll();
    void Suspend();
    void Resume();

private:
    BOOL hold;
    BOOL macro;
    bool active = false;
};
