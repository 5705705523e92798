// A page served under a certificate no authority vouches for is not run: the map pages hold a bridge
// to the native side.
#include <gtest/gtest.h>

#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QTest>

#include "WebHarness.h"

using maptest::Js;
using maptest::WaitForJs;
using maptest::WebHarness;

namespace {

// Answers every request with a page that marks itself as run.
class SelfSignedServer {
public:
    bool Start(QString& why) {
        if (!m_dir.isValid()) return why = "no temporary folder", false;
        const QString key = m_dir.filePath("key.pem"), cert = m_dir.filePath("cert.pem");
        const QString command = QString("openssl req -x509 -newkey rsa:2048 -nodes -subj /CN=127.0.0.1 -days 2 "
                                        "-keyout %1 -out %2 >/dev/null 2>&1")
                                    .arg(key, cert);
        if (std::system(command.toLocal8Bit().constData()) != 0) return why = "openssl could not make a certificate", false;
        QFile k(key), c(cert);
        if (!k.open(QIODevice::ReadOnly) || !c.open(QIODevice::ReadOnly)) return why = "certificate files missing", false;
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setLocalCertificate(QSslCertificate(&c, QSsl::Pem));
        config.setPrivateKey(QSslKey(&k, QSsl::Rsa, QSsl::Pem));
        config.setPeerVerifyMode(QSslSocket::VerifyNone);
        m_server.setSslConfiguration(config);
        QObject::connect(&m_server, &QSslServer::pendingConnectionAvailable, [this] {
            while (QTcpSocket* s = m_server.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    s->readAll();
                    ++m_requests;
                    const QByteArray body = "<html><body><script>window.served = true;</script></body></html>";
                    s->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\nContent-Length: " +
                             QByteArray::number(body.size()) + "\r\n\r\n" + body);
                    s->disconnectFromHost();
                });
            }
        });
        if (!m_server.listen(QHostAddress::LocalHost)) return why = "cannot listen on 127.0.0.1", false;
        return true;
    }
    QString Url() const { return QString("https://127.0.0.1:%1/map.html").arg(m_server.serverPort()); }
    int Requests() const { return m_requests; }

private:
    QTemporaryDir m_dir;
    QSslServer m_server;
    int m_requests = 0;
};

TEST(Certificates, BadCertificateIsRefusedAndNothingRuns) {
    SelfSignedServer server;
    QString why;
    if (!QSslSocket::supportsSsl() || !server.Start(why)) GTEST_SKIP() << why.toStdString();
    WebHarness::Get().Interceptor().AllowHost("127.0.0.1");
    CMapBrowser* browser = WebHarness::Get().Open(server.Url());
    QWebEnginePage* page = browser->page();
    ASSERT_TRUE(WaitForJs(page, "window.served === true || (document.body !== null && "
                                "document.body.textContent.indexOf('Failed to load URL') === 0)"));
    const QString text = Js(page, "document.body.textContent").toString();
    EXPECT_TRUE(text.contains(server.Url())) << text.toStdString();
    EXPECT_TRUE(text.contains("CERT")) << text.toStdString();
    EXPECT_FALSE(Js(page, "window.served === true").toBool());
    EXPECT_EQ(server.Requests(), 0);  // the handshake was given up before any request went out
    delete browser;
    WebHarness::Get().Interceptor().AllowHost({});
}

}  // namespace
