#pragma once
// The engine offered through the automation object model under the
// publishing program's ProgID, so that the editor drives it exactly as it
// would drive the program itself.
#include "pubengine/fitcheck.h"
#include "shell/automation.h"

#include <cstddef>
#include <memory>

namespace vantrelle::pubengine {

inline constexpr char kEngineName[] = "Vantrelle Publication Engine";

// The FindReplace the engine hands out. Beyond the interface it tells what
// the last Execute did.
class NativeFindReplace : public automation::FindReplace {
public:
    virtual std::size_t lastReplaced() const = 0;
    virtual std::size_t lastLeft() const = 0;
};

// A server whose every CreateInstance is a fresh engine and which never has
// a running instance. Register it under automation::kPublisherProgId. With
// fit, its documents answer CheckFit through it; without, CheckFit finds
// nothing to say.
std::shared_ptr<automation::Server>
makePublisherServer(std::shared_ptr<const FitChecker> fit = nullptr);

} // namespace vantrelle::pubengine
