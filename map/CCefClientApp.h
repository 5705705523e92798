// Process-level set-up of the embedded browser: Chromium switches, the profile every map page runs
// in, the globals each page gets, the synchronous native call, and the context-ready notification.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWebEngineProfile;

class CCefClientApp : public QObject {
    Q_OBJECT
public:
    // The extension text each page runs, exactly as the native side defines it ("native function"
    // declarations are bound to the native call when the page script is made).
    static const char kExtensionSource[];
    static constexpr int kMessageCapacity = 512;  // the box text holds at most 511 characters

    // Before the QApplication exists: Chromium switches, shared GL contexts, and no sandbox when
    // running as root (Chromium refuses its sandbox there).
    static void PrepareProcess();

    // notifyTarget receives CMapNotifyEvent(kNotifyContextReady) once Start has made the profile.
    // storageName names the on-disk profile (cache under the user's cache folder); empty gives an
    // off-the-record profile that keeps nothing.
    explicit CCefClientApp(QObject* notifyTarget, const QString& storageName = "Velidor", QObject* parent = nullptr);
    ~CCefClientApp() override;

    void Start();
    QWebEngineProfile* Profile() const { return m_profile; }

    // The message box of the native call; replaced by tests. Blocks until closed.
    using MessageBox = std::function<void(const QString& text, const QString& caption)>;
    void SetMessageBox(MessageBox box) { m_messageBox = std::move(box); }

    // The native side of the page's native functions: for "jsInvokeCPlusPlus" with two arguments the
    // box "jsInvokeCPlusPlus(a,b)" (cut at 511 characters) and 0; another count gives 2 without a box.
    // Empty for an unknown name.
    std::optional<int> InvokeNative(const QString& name, const QStringList& args);

    // The script every page gets at document creation: the extension, window.jsValue, window.myobject.
    static QString PageGlobalsScript();
    // The marker the page's prompt carries for a native call.
    static const char kNativeCallMarker[];

private:
    QPointer<QObject> m_notifyTarget;
    QString m_storageName;
    QWebEngineProfile* m_profile = nullptr;
    MessageBox m_messageBox;
};
