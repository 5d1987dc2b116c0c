#include "Hold.h"

#include "StandIn.h"

using StandIn::Report;

Hold theHold;

static MacroRecorder theMacroRecorder;
MacroRecorder* macroRecorder = &theMacroRecorder;

Hold::~Hold() {
    // Records left at process exit are not run; the host state they would
    // touch may already be gone.
}

void Hold::DeleteRecords(std::vector<RestoreObj*>& records) {
    // Newest first, like the host drops an undo step.
    std::vector<RestoreObj*> doomed;
    doomed.swap(records);
    for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) delete *it;
}

void Hold::Begin() {
    marks.push_back(pending.size());
    ++level;
}

int Hold::Holding() const { return level > 0 && suspended == 0 && restoring == 0; }

void Hold::Put(RestoreObj* rob) {
    if (!rob) return;
    if (!Holding()) {
        Report("theHold.Put(%s) while not holding: record dropped", rob->Description().data());
        delete rob;
        return;
    }
    pending.push_back(rob);
}

void Hold::Accept(const char* name) {
    if (level == 0) {
        Report("theHold.Accept(\"%s\") without Begin", name ? name : "");
        return;
    }
    --level;
    marks.pop_back();
    if (level > 0) return;  // a nested hold joins the one around it
    if (pending.empty()) return;
    for (RestoreObj* r : pending) r->EndHold();
    for (Step& s : redoSteps) DeleteRecords(s.records);
    redoSteps.clear();
    Step step;
    step.name = name ? name : "";
    step.records.swap(pending);
    undoSteps.push_back(std::move(step));
}

void Hold::Cancel() {
    if (level == 0) {
        Report("theHold.Cancel() without Begin");
        return;
    }
    size_t from = marks.back();
    marks.pop_back();
    --level;
    std::vector<RestoreObj*> undone(pending.begin() + static_cast<long>(from), pending.end());
    pending.resize(from);
    ++restoring;
    for (auto it = undone.rbegin(); it != undone.rend(); ++it) (*it)->Restore(FALSE);
    --restoring;
    DeleteRecords(undone);
}

void Hold::Resume() {
    if (suspended == 0) {
        Report("theHold.Resume() without Suspend");
        return;
    }
    --suspended;
}

BOOL Hold::Undo() {
    if (level > 0 || restoring) {
        Report("Undo while a hold is open");
        return FALSE;
    }
    if (undoSteps.empty()) return FALSE;
    Step step = std::move(undoSteps.back());
    undoSteps.pop_back();
    ++restoring;
    for (auto it = step.records.rbegin(); it != step.records.rend(); ++it) (*it)->Restore(TRUE);
    --restoring;
    redoSteps.push_back(std::move(step));
    return TRUE;
}

BOOL Hold::Redo() {
    if (level > 0 || restoring) {
        Report("Redo while a hold is open");
        return FALSE;
    }
    if (redoSteps.empty()) return FALSE;
    Step step = std::move(redoSteps.back());
    redoSteps.pop_back();
    ++restoring;
    for (RestoreObj* r : step.records) r->Redo();
    --restoring;
    undoSteps.push_back(std::move(step));
    return TRUE;
}

CStr Hold::UndoStepName(int fromNewest) const {
    int i = NumUndoSteps() - 1 - fromNewest;
    return i >= 0 && i < NumUndoSteps() ? undoSteps[static_cast<size_t>(i)].name : CStr();
}

int Hold::UndoStepSize(int fromNewest) const {
    int i = NumUndoSteps() - 1 - fromNewest;
    return i >= 0 && i < NumUndoSteps()
               ? static_cast<int>(undoSteps[static_cast<size_t>(i)].records.size())
               : 0;
}

std::vector<CStr> Hold::UndoStepDescriptions(int fromNewest) const {
    std::vector<CStr> out;
    int i = NumUndoSteps() - 1 - fromNewest;
    if (i < 0 || i >= NumUndoSteps()) return out;
    for (RestoreObj* r : undoSteps[static_cast<size_t>(i)].records) out.push_back(r->Description());
    return out;
}

void Hold::Reset() {
    DeleteRecords(pending);
    marks.clear();
    level = 0;
    suspended = 0;
    restoring = 0;
    for (Step& s : redoSteps) DeleteRecords(s.records);
    redoSteps.clear();
    // Newest step first.
    while (!undoSteps.empty()) {
        DeleteRecords(undoSteps.back().records);
        undoSteps.pop_back();
    }
}

SuspendAll::SuspendAll(BOOL holdSuspend, BOOL macroRecorderSuspend)
    : hold(holdSuspend), macro(macroRecorderSuspend) {
    Suspend();
}

SuspendAll::~SuspendAll() { Resume(); }

void SuspendAll::Suspend() {
    if (active) return;
    if (hold) theHold.Suspend();
    if (macro) macroRecorder->Disable();
    active = true;
}

void SuspendAll::Resume() {
    if (!active) return;
    if (hold) theHold.Resume();
    if (macro) macroRecorder->Enable();
    active = false;
}
