// An ordered list of objects that an outside plug-in object references in a
// run of consecutive reference slots (a material's zones, a zone's strokes),
// and the function-publishing interface that reads and replaces it.
#pragma once

#include <vector>

#include "FunctionPublishing.h"

class ObjectList {
public:
    // Entries that are not null must be of class accepted (any class when
    // accepted is Class_ID(0, 0)).
    ObjectList(ReferenceMaker* owner, int firstRef, Class_ID accepted = Class_ID(0, 0));

    int Count() const { return static_cast<int>(items.size()); }
    ReferenceTarget* Get(int i) const;
    // Makes the list exactly l, in order. Objects that drop out and are not
    // referenced elsewhere are deleted. While holding, the change (its length
    // included) is one undo record.
    bool Replace(const Tab<ReferenceTarget*>& l);
    // Appends without touching the rest (used while building defaults);
    // recorded like Replace.
    void Append(ReferenceTarget* t);

    // Slot plumbing for the owner's NumRefs / GetReference / SetReference.
    int EndRef() const { return first + Count(); }
    bool Owns(int refIndex) const { return refIndex >= first && refIndex < EndRef(); }
    ReferenceTarget* GetRef(int refIndex) const {
        return items[static_cast<size_t>(refIndex - first)];
    }
    void SetRef(int refIndex, ReferenceTarget* t);

private:
    friend class ObjectListRestore;
    void Change(const std::vector<ReferenceTarget*>& after);
    // Makes the list exactly l without recording; the undo record's own way in.
    void Apply(const std::vector<ReferenceTarget*>& l);

    ReferenceMaker* owner;
    int first;
    Class_ID accepted;
    std::vector<ReferenceTarget*> items;
};

// Publishes an ObjectList: function set takes one TYPE_REFTARG_TAB_BR table,
// count answers an int, get takes one TYPE_INT index and answers the object.
class ObjectListInterface : public FPInterface {
public:
    enum { NONE = -1 };
    ObjectListInterface(Interface_ID id, ObjectList& list, FunctionID setFn, FunctionID countFn,
                        FunctionID getFn)
        : id(id), list(list), setFn(setFn), countFn(countFn), getFn(getFn) {}

    Interface_ID GetID() override { return id; }
    FPStatus Invoke(FunctionID fid, FPValue& result, FPParams* p) override;
    using FPInterface::Invoke;

private:
    Interface_ID id;
    ObjectList& list;
    FunctionID setFn, countFn, getFn;
};
