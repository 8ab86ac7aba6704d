#include "automation.h"

#include "fsutil/failure.h"

namespace vantrelle::automation {

namespace {
constexpr char kCannotCreate[] = "ActiveX component can't create object";
}

Registry &Registry::instance()
{
    static Registry registry;
    return registry;
}

void Registry::Register(const QString &progId, std::shared_ptr<Server> server)
{
    m_servers[progId] = std::move(server);
}

std::shared_ptr<Application> Registry::CreateObject(const QString &progId)
{
    auto it = m_servers.find(progId);
    if (it == m_servers.end() || !it->second)
        throw Failure(kCannotCreate);
    auto app = it->second->CreateInstance();
    if (!app)
        throw Failure(kCannotCreate);
    return app;
}

std::shared_ptr<Application> Registry::GetObject(const QString &progId)
{
    auto it = m_servers.find(progId);
    std::shared_ptr<Application> app;
    if (it != m_servers.end() && it->second)
        app = it->second->RunningInstance();
    if (!app)
        throw Failure(kCannotCreate);
    return app;
}

} // namespace vantrelle::automation
