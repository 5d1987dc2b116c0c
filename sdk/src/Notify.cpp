#include "Notify.h"

#include <cstddef>
#include <vector>

namespace {

struct Registration {
    NOTIFYPROC proc;
    void* param;
    int code;
};

// Registrations belong to the loaded modules and live as long as the process:
// a host reset does not unload modules.
std::vector<Registration>& Registrations() {
    static std::vector<Registration>* regs = new std::vector<Registration>;
    return *regs;
}

}  // namespace

int RegisterNotification(NOTIFYPROC proc, void* param, int code) {
    if (!proc) return 0;
    for (const Registration& r : Registrations())
        if (r.proc == proc && r.param == param && r.code == code) return 0;
    Registrations().push_back({proc, param, code});
    return 1;
}

int UnRegisterNotification(NOTIFYPROC proc, void* param, int code) {
    auto& regs = Registrations();
    for (size_t i = 0; i < regs.size(); ++i) {
        if (regs[i].proc == proc && regs[i].param == param && regs[i].code == code) {
            regs.erase(regs.begin() + static_cast<long>(i));
            return 1;
        }
    }
    return 0;
}

void BroadcastNotification(int code, void* callParam) {
    // A callback may register or unregister: call a snapshot.
    std::vector<Registration> snapshot = Registrations();
    for (const Registration& r : snapshot) {
        if (r.code != code) continue;
        NotifyInfo info{code, callParam};
        r.proc(r.param, &info);
    }
}
