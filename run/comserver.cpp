#include "run/comserver.h"

#include "wincom/client.h"

// Forwarding only: string conversions and calls. Everything else (VARIANTs,
// errors, lifetimes) is the client's, which is tested under Wine.

namespace vantrelle::automation {

namespace {

std::u16string text(const QString &value)
{
    return value.toStdU16String();
}

class ComFindReplace final : public FindReplace {
public:
    explicit ComFindReplace(std::unique_ptr<wincom::FindReplace> find) : m_find(std::move(find)) {}
    void Clear() override { m_find->Clear(); }
    void SetFindText(const QString &value) override { m_find->SetFindText(text(value)); }
    void SetReplaceWithText(const QString &value) override
    {
        m_find->SetReplaceWithText(text(value));
    }
    void SetReplaceScope(int scope) override { m_find->SetReplaceScope(scope); }
    void SetMatchCase(bool on) override { m_find->SetMatchCase(on); }
    void SetMatchWholeWord(bool on) override { m_find->SetMatchWholeWord(on); }
    bool Execute() override { return m_find->Execute(); }

private:
    std::unique_ptr<wincom::FindReplace> m_find;
};

class ComDocument final : public Document {
public:
    explicit ComDocument(std::unique_ptr<wincom::Document> document)
        : m_document(std::move(document))
    {
    }
    std::shared_ptr<FindReplace> Find() override
    {
        return std::make_shared<ComFindReplace>(m_document->Find());
    }
    void SaveAs(const QString &fileName, int format, bool addToRecentFiles) override
    {
        m_document->SaveAs(text(fileName), format, addToRecentFiles);
    }

private:
    std::unique_ptr<wincom::Document> m_document;
};

class ComApplication final : public Application {
public:
    explicit ComApplication(std::unique_ptr<wincom::Application> app) : m_app(std::move(app)) {}
    QString name() override { return QString::fromStdU16String(m_app->name()); }
    std::shared_ptr<Document> Open(const QString &fileName, bool readOnly, bool addToRecentFiles,
                                   int saveChanges) override
    {
        return std::make_shared<ComDocument>(
            m_app->Open(text(fileName), readOnly, addToRecentFiles, saveChanges));
    }
    std::shared_ptr<Document> ActiveDocument() override
    {
        return std::make_shared<ComDocument>(m_app->ActiveDocument());
    }
    void Quit() override { m_app->Quit(); }

private:
    std::unique_ptr<wincom::Application> m_app;
};

class ComServer final : public Server {
public:
    explicit ComServer(const QString &progId) : m_progId(text(progId)) {}
    std::shared_ptr<Application> CreateInstance() override
    {
        return std::make_shared<ComApplication>(wincom::Application::Create(m_progId));
    }
    std::shared_ptr<Application> RunningInstance() override
    {
        auto app = wincom::Application::Running(m_progId);
        if (!app)
            return nullptr;
        return std::make_shared<ComApplication>(std::move(app));
    }

private:
    std::u16string m_progId;
};

} // namespace

std::shared_ptr<Server> makeComServer(const QString &progId)
{
    return std::make_shared<ComServer>(progId);
}

bool isRegistered(const QString &progId)
{
    return wincom::Application::IsRegistered(text(progId));
}

} // namespace vantrelle::automation
