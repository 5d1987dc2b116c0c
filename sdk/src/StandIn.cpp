#include "StandIn.h"

#include <cstdarg>
#include <cstdio>

#include "HostState.h"
#include "Materials.h"

HostState& Host() {
    static HostState* state = new HostState;
    return *state;
}

CStr Describe(ReferenceMaker* m) {
    if (!m) return CStr("(null)");
    CStr cls;
    m->GetClassName(cls);
    CStr s;
    s.printf("%s@%p", cls.data(), static_cast<void*>(m));
    // Materials and maps by name too: what a test called them is what it reads.
    if (MtlBase* mb = dynamic_cast<MtlBase*>(m)) s += CStr(" \"") + mb->GetName() + CStr("\"");
    return s;
}

namespace StandIn {

void Report(const char* format, ...) {
    va_list args;
    va_start(args, format);
    CStr text;
    text.vprintf(format, args);
    va_end(args);
    Host().diagnostics.push_back(text);
}

std::vector<CStr> TakeDiagnostics() {
    std::vector<CStr> taken;
    taken.swap(Host().diagnostics);
    return taken;
}

int DiagnosticCount() { return static_cast<int>(Host().diagnostics.size()); }

void RegisterClassDesc(ClassDesc* cd) {
    if (!cd) return;
    for (ClassDesc* known : Host().classes) {
        if (known == cd) return;
        if (known->SuperClassID() == cd->SuperClassID() && known->ClassID() == cd->ClassID()) {
            Report("RegisterClassDesc: class %s registered twice", cd->ClassName());
            return;
        }
    }
    Host().classes.push_back(cd);
}

void UnregisterClassDesc(ClassDesc* cd) {
    auto& classes = Host().classes;
    for (size_t i = 0; i < classes.size(); ++i) {
        if (classes[i] == cd) {
            classes.erase(classes.begin() + static_cast<long>(i));
            return;
        }
    }
}

void RegisterModule(int (*libNumberClasses)(), ClassDesc* (*libClassDesc)(int)) {
    int n = libNumberClasses();
    for (int i = 0; i < n; ++i) RegisterClassDesc(libClassDesc(i));
}

int NumClassDescs() { return static_cast<int>(Host().classes.size()); }

bool IsLive(const ReferenceMaker* m) { return m && Host().liveMakers.count(m) != 0; }

bool IsLive(const ReferenceMaker* m, ReferenceMaker::Serial serial) {
    // The address first: only a live maker may be read.
    return IsLive(m) && m->HostSerial() == serial;
}

int LiveTargetCount() {
    int n = 0;
    for (const ReferenceMaker* m : Host().liveMakers) {
        ReferenceMaker* mm = const_cast<ReferenceMaker*>(m);
        if (mm->IsRefTarget() && !Host().hostOwned.count(m)) ++n;
    }
    return n;
}

int CloneRefHierarchyCalls() { return Host().cloneRefHierarchyCalls; }

}  // namespace StandIn
