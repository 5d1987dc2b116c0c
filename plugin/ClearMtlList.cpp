#include "UndoRecord.h"
#include "Vrn3MtlConverter.h"

void ClearMtlList(MtlConvList* list) {
    class ClearMtlListRestore : public UndoRecord {
    public:
        MtlConvList savedList;
        MtlConvList* liveList = nullptr;

        CStr Description() override { return CStr("MtlConveterRestore"); }

    protected:
        void Undo() override {
            *liveList = savedList;
            theMtlConverter.RefreshList(theMtlConverter.hPanel);
        }
        void Apply() override {
            liveList->clear();
            theMtlConverter.RefreshList(theMtlConverter.hPanel);
        }
    };

    PutUndoRecord(new ClearMtlListRestore, [&](ClearMtlListRestore& r) {
        r.liveList = list;
        r.savedList = *list;
    });
}
