#include "map/CCefClientApp.h"

#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

#include "map/MapNotify.h"

const char CCefClientApp::kExtensionSource[] =
    "var app;if (!app)  app = {};(function() {  app.jsInvokeCPlusPlus = function(v1, v2) {    native function "
    "jsInvokeCPlusPlus();    return jsInvokeCPlusPlus(v1, v2);  };})();";
static_assert(sizeof CCefClientApp::kExtensionSource - 1 == 171);

const char CCefClientApp::kNativeCallMarker[] = "\x01norvik-native-call";

void CCefClientApp::PrepareProcess() {
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("--disable-extensions")) {
        if (!flags.isEmpty()) flags += ' ';
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + "--disable-extensions");
    }
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

CCefClientApp::CCefClientApp(QObject* notifyTarget, const QString& storageName, QObject* parent)
    : QObject(parent), m_notifyTarget(notifyTarget), m_storageName(storageName) {
    m_messageBox = [](const QString& text, const QString& caption) {
        QMessageBox::information(QApplication::activeWindow(), caption, text, QMessageBox::Ok);
    };
}

CCefClientApp::~CCefClientApp() = default;

namespace {

// The native call: the page waits on a prompt that carries the function's name and its string
// arguments (others read as empty, as a native handler reads them). Arguments left out by the
// caller, which the wrapper forwards as undefined, are not counted. Kept where page scripts cannot
// replace it.
const char kNativeCall[] = R"JS(
(function() {
  var ask = window.prompt.bind(window);
  Object.defineProperty(window, "__norvikNativeCall", {
    enumerable: false, configurable: false, writable: false,
    value: function(name, list) {
      var n = list.length;
      while (n > 0 && list[n - 1] === undefined) --n;
      var args = [];
      for (var i = 0; i < n; ++i) args.push(typeof list[i] === "string" ? list[i] : "");
      var r = ask("%1", JSON.stringify({name: name, args: args}));
      return r === null || r === "" ? undefined : parseInt(r, 10);
    }
  });
})();
)JS";

// Each "native function NAME();" becomes a function that makes the native call NAME.
QString BindNativeFunctions(const QString& source) {
    static const QRegularExpression native(QStringLiteral("native function (\\w+)\\(\\);"));
    QString out = source;
    out.replace(native, QStringLiteral("var \\1 = function() { return __norvikNativeCall('\\1', arguments); };"));
    return out;
}

const char kGlobals[] = R"JS(
window.jsValue = "C++ created Value!";
(function() {
  var myval = "";
  var obj = {};
  Object.defineProperty(obj, "myval", {
    enumerable: true,
    get: function() { return myval; },
    set: function(v) {
      if (typeof v !== "string") throw new Error("Invalid value type");
      myval = v;
    }
  });
  window.myobject = obj;
})();
)JS";

}  // namespace

QString CCefClientApp::PageGlobalsScript() {
    const QString marker = QString::fromLatin1(kNativeCallMarker).replace(QChar(1), QStringLiteral("\\u0001"));
    return QString::fromLatin1(kNativeCall).arg(marker) + BindNativeFunctions(QString::fromLatin1(kExtensionSource)) +
           QString::fromLatin1(kGlobals);
}

void CCefClientApp::Start() {
    if (!m_profile) {
        m_profile = m_storageName.isEmpty() ? new QWebEngineProfile(this) : new QWebEngineProfile(m_storageName, this);
        if (!m_storageName.isEmpty()) {
            const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
            if (!cache.isEmpty()) m_profile->setCachePath(QDir(cache).filePath("Velidor/WebEngine"));
        }
        QWebEngineSettings* s = m_profile->settings();
        // Pages loaded from files fetch the map service's scripts and tiles.
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
        s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);  // the host shows its own
        s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);  // no popups, see createWindow

        QWebEngineScript globals;
        globals.setName("norvik-page-globals");
        globals.setSourceCode(PageGlobalsScript());
        globals.setInjectionPoint(QWebEngineScript::DocumentCreation);
        globals.setWorldId(QWebEngineScript::MainWorld);
        globals.setRunsOnSubFrames(true);
        m_profile->scripts()->insert(globals);
    }
    if (m_notifyTarget) QCoreApplication::postEvent(m_notifyTarget, new CMapNotifyEvent(kNotifyContextReady));
}

std::optional<int> CCefClientApp::InvokeNative(const QString& name, const QStringList& args) {
    if (name != QLatin1String("jsInvokeCPlusPlus")) return std::nullopt;
    if (args.size() != 2) return 2;
    QString text = QStringLiteral("jsInvokeCPlusPlus(%1,%2)").arg(args[0], args[1]);
    if (text.size() > kMessageCapacity - 1) {
        int keep = kMessageCapacity - 1;
        if (text.at(keep - 1).isHighSurrogate()) --keep;  // never half a character
        text.truncate(keep);
    }
    if (m_messageBox) m_messageBox(text, QStringLiteral("jsInvokeCPlusPlus"));
    return 0;
}
