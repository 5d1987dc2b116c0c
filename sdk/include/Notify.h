// Host notifications: plug-ins register a callback for a notification code and
// the host calls every callback registered for a code when the event happens.
#pragma once

#include "MaxTypes.h"

const int NOTIFY_SYSTEM_PRE_RESET = 5;
const int NOTIFY_SYSTEM_PRE_NEW = 7;
const int NOTIFY_FILE_PRE_OPEN = 9;

struct NotifyInfo {
    int intcode;
    void* callParam;
};

typedef void (*NOTIFYPROC)(void* param, NotifyInfo* info);

// Registering the same (proc, param, code) twice is refused (0).
SDKAPI int RegisterNotification(NOTIFYPROC proc, void* param, int code);
SDKAPI int UnRegisterNotification(NOTIFYPROC proc, void* param, int code);
// Calls every callback registered for code, in order of registration.
SDKAPI void BroadcastNotification(int code, void* callParam = nullptr);
