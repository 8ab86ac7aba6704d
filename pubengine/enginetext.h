#pragma once
// The translation context of the texts the engine hands to a person: its
// refusals and failures. tr() is thread-safe, and the engine runs in workers.
// Where lupdate loses track of the class (after a [[noreturn]] function, for
// one), a call names the context in full through QCoreApplication::translate.
#include <QCoreApplication>

namespace vantrelle::pubengine {

class EngineText {
    Q_DECLARE_TR_FUNCTIONS(vantrelle::pubengine::EngineText)
};

} // namespace vantrelle::pubengine
