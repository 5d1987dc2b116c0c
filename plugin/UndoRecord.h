// The one way a command changes the scene: every change is an undo record that
// applies itself.
//
// A record derives from UndoRecord and says how to undo and redo its change;
// both run with the hold and the macro recorder suspended, so that nothing the
// record does is recorded a second time. PutUndoRecord fills it (suspended as
// well), applies it through its own Redo, and hands it to the hold when the hold
// is recording, else deletes it.
#pragma once

#include "Hold.h"

class UndoRecord : public RestoreObj {
public:
    void Restore(int isUndo) final {
        (void)isUndo;
        SuspendAll suspend(TRUE, TRUE);
        Undo();
    }
    void Redo() final {
        SuspendAll suspend(TRUE, TRUE);
        Apply();
    }

protected:
    virtual void Undo() = 0;
    virtual void Apply() = 0;
};

template <class Record, class Fill>
void PutUndoRecord(Record* record, Fill fill) {
    // Read before anything happens: filling and applying run suspended.
    bool recording = theHold.Holding() && !theHold.RestoreOrRedoing();
    {
        SuspendAll suspend(TRUE, TRUE);
        fill(*record);
    }
    record->Redo();
    if (recording)
        theHold.Put(record);
    else
        delete record;
}
