// A validity interval of time: [start, end]. FOREVER spans all of time, NEVER is empty.
#pragma once

#include "MaxTypes.h"

class Interval {
public:
    Interval() : start(TIME_NegInfinity), end(TIME_PosInfinity) {}
    Interval(TimeValue s, TimeValue e) : start(s), end(e) {}

    TimeValue Start() const { return start; }
    TimeValue End() const { return end; }
    void Set(TimeValue s, TimeValue e) {
        start = s;
        end = e;
    }
    void SetInfinite() {
        start = TIME_NegInfinity;
        end = TIME_PosInfinity;
    }
    void SetEmpty() {
        start = TIME_NegInfinity;
        end = TIME_NegInfinity;
    }
    BOOL Empty() const { return start == TIME_NegInfinity && end == TIME_NegInfinity; }
    BOOL InInterval(TimeValue t) const { return !Empty() && t >= start && t <= end; }
    // Narrows this interval to its intersection with i.
    Interval& operator&=(const Interval& i) {
        if (Empty() || i.Empty() || i.start > end || i.end < start) {
            SetEmpty();
        } else {
            if (i.start > start) start = i.start;
            if (i.end < end) end = i.end;
        }
        return *this;
    }
    bool operator==(const Interval& i) const { return start == i.start && end == i.end; }

private:
    TimeValue start;
    TimeValue end;
};

#define FOREVER Interval(TIME_NegInfinity, TIME_PosInfinity)
#define NEVER Interval(TIME_NegInfinity, TIME_NegInfinity)
