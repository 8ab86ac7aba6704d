#pragma once
// The publishing program's own automation server, reached over COM
// (wincom/), offered through the automation object model so that the editor
// and the checks drive it unchanged. Windows builds only.
#include "shell/automation.h"

#include <memory>

namespace vantrelle::automation {

// Makes instances of progId and finds its running one through COM. Use it
// only on a thread that has joined a COM apartment (wincom::Apartment), and
// keep every object it hands out on that thread.
std::shared_ptr<Server> makeComServer(const QString &progId);
// Whether a program is registered under progId, so that a choice of it can
// be offered at all.
bool isRegistered(const QString &progId);

} // namespace vantrelle::automation
