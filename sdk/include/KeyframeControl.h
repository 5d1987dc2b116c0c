// The host's keyframe controllers: float (also animating int and bool
// parameters), point3 and colour. A controller without keys holds one plain
// value, and a value written to it (at any time) replaces that value, as
// outside animate mode. Once it has keys, a value written at a time
// (absolute) sets or adds the key at that time. Between keys the value is
// interpolated linearly; before the first and after the last key it holds.
// Key changes made while the hold is recording are undoable. Made by the host
// and by tests; plug-ins reach controllers through Control and IKeyControl.
#pragma once

#include <iterator>
#include <map>

#include "Color.h"
#include "Control.h"
#include "Hold.h"
#include "KeyControl.h"
#include "StandIn.h"

// Class IDs of the stand-in controllers.
const Class_ID KEYFRAME_FLOAT_CLASS_ID(0x6b2e0001, 0x1f0a3c01);
const Class_ID KEYFRAME_POINT3_CLASS_ID(0x6b2e0001, 0x1f0a3c02);
const Class_ID KEYFRAME_COLOR_CLASS_ID(0x6b2e0001, 0x1f0a3c03);

template <class V>
class KeyTableRestore;

template <class V>
class KeyframeControl : public Control, public IKeyControl {
public:
    KeyframeControl(SClass_ID superClass, Class_ID classID);

    SClass_ID SuperClassID() override { return super; }
    Class_ID ClassID() override { return id; }
    void GetClassName(CStr& s) override { s = "Keyframe Controller"; }

    using Control::GetInterface;
    void* GetInterface(ULONG code) override;

    void GetValue(TimeValue t, void* val, Interval& valid, int method = CTRL_ABSOLUTE) override;
    void SetValue(TimeValue t, void* val, int commit = 1, int method = CTRL_ABSOLUTE) override;

    int GetNumKeys() override { return static_cast<int>(keys.size()); }
    TimeValue GetKeyTime(int i) override;

    // Sets or adds the key at time t, as animate mode does.
    void AddKey(TimeValue t, const V& v);
    // The value of the key at time t; false when there is no key there.
    bool KeyValue(TimeValue t, V& v) const;

    RefTargetHandle Clone(RemapDir& remap) override;

private:
    template <class>
    friend class KeyTableRestore;
    void Change(const V& newPlain, const std::map<TimeValue, V>& newKeys);

    SClass_ID super;
    Class_ID id;
    V plain = V();
    std::map<TimeValue, V> keys;
};

// The keys and plain value of a controller before and after one change.
template <class V>
class KeyTableRestore : public RestoreObj {
public:
    KeyTableRestore(KeyframeControl<V>* c, V plainBefore, std::map<TimeValue, V> keysBefore)
        : ctrl(c),
          oldPlain(plainBefore),
          oldKeys(std::move(keysBefore)),
          newPlain(c->plain),
          newKeys(c->keys) {
        pins.Pin(ctrl);
    }
    void Restore(int) override { Apply(oldPlain, oldKeys); }
    void Redo() override { Apply(newPlain, newKeys); }
    CStr Description() override { return CStr("Key change"); }

private:
    void Apply(const V& p, const std::map<TimeValue, V>& k) {
        if (ctrl->IsDeleted()) return;
        ctrl->plain = p;
        ctrl->keys = k;
    }

    KeyframeControl<V>* ctrl;
    V oldPlain;
    std::map<TimeValue, V> oldKeys;
    V newPlain;
    std::map<TimeValue, V> newKeys;
    StandIn::HoldPins pins;
};

template <class V>
inline KeyframeControl<V>::KeyframeControl(SClass_ID superClass, Class_ID classID)
    : super(superClass), id(classID) {}

template <class V>
inline void* KeyframeControl<V>::GetInterface(ULONG code) {
    if (code == I_KEYCONTROL) return static_cast<IKeyControl*>(this);
    return Control::GetInterface(code);
}

template <class V>
inline void KeyframeControl<V>::GetValue(TimeValue t, void* val, Interval& valid, int method) {
    (void)method;
    V& out = *static_cast<V*>(val);
    if (keys.empty()) {
        out = plain;
        return;
    }
    valid &= Interval(t, t);
    auto after = keys.lower_bound(t);
    if (after == keys.end()) {
        out = std::prev(after)->second;
    } else if (after->first == t || after == keys.begin()) {
        out = after->second;
    } else {
        auto before = std::prev(after);
        float u = static_cast<float>(t - before->first) /
                  static_cast<float>(after->first - before->first);
        out = before->second + (after->second - before->second) * u;
    }
}

template <class V>
inline void KeyframeControl<V>::SetValue(TimeValue t, void* val, int commit, int method) {
    (void)commit;
    if (method != CTRL_ABSOLUTE) {
        StandIn::Report("SetValue on %s: only absolute values are kept", "a keyframe controller");
        return;
    }
    const V& v = *static_cast<const V*>(val);
    if (keys.empty())
        Change(v, keys);
    else
        AddKey(t, v);
}

template <class V>
inline void KeyframeControl<V>::AddKey(TimeValue t, const V& v) {
    std::map<TimeValue, V> after = keys;
    after[t] = v;
    Change(plain, after);
}

template <class V>
inline void KeyframeControl<V>::Change(const V& newPlain, const std::map<TimeValue, V>& newKeys) {
    V plainBefore = plain;
    std::map<TimeValue, V> keysBefore = keys;
    plain = newPlain;
    keys = newKeys;
    if (theHold.Holding())
        theHold.Put(new KeyTableRestore<V>(this, plainBefore, std::move(keysBefore)));
}

template <class V>
inline TimeValue KeyframeControl<V>::GetKeyTime(int i) {
    if (i < 0 || i >= GetNumKeys()) return 0;
    return std::next(keys.begin(), i)->first;
}

template <class V>
inline bool KeyframeControl<V>::KeyValue(TimeValue t, V& v) const {
    auto it = keys.find(t);
    if (it == keys.end()) return false;
    v = it->second;
    return true;
}

template <class V>
inline RefTargetHandle KeyframeControl<V>::Clone(RemapDir& remap) {
    KeyframeControl<V>* copy = new KeyframeControl<V>(super, id);
    remap.AddEntry(this, copy);
    copy->plain = plain;
    copy->keys = keys;
    return copy;
}

typedef KeyframeControl<float> KeyframeFloatControl;
typedef KeyframeControl<Point3> KeyframePoint3Control;

// New controllers, as the host's "new default controller" calls make them.
inline KeyframeFloatControl* NewDefaultFloatController() {
    return new KeyframeFloatControl(CTRL_FLOAT_CLASS_ID, KEYFRAME_FLOAT_CLASS_ID);
}
inline KeyframePoint3Control* NewDefaultPoint3Controller() {
    return new KeyframePoint3Control(CTRL_POINT3_CLASS_ID, KEYFRAME_POINT3_CLASS_ID);
}
inline KeyframePoint3Control* NewDefaultColorController() {
    return new KeyframePoint3Control(CTRL_POINT3_CLASS_ID, KEYFRAME_COLOR_CLASS_ID);
}
