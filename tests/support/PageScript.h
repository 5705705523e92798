// Running script in a web page from a test and waiting for its answer.
#pragma once

#include <QString>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>

namespace pagescript {

constexpr int kBoundMs = 30000;  // an upper bound for waits, never a measurement

// Runs code in the page's main world and waits for its result (an invalid QVariant on an exception).
inline QVariant Js(QWebEnginePage* page, const QString& code) {
    QVariant result;
    bool done = false;
    page->runJavaScript(code, [&](const QVariant& v) {
        result = v;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, kBoundMs)) return {};
    return result;
}

// Runs code until it gives true; false when it has not after the bound.
inline bool WaitForJs(QWebEnginePage* page, const QString& condition) {
    return QTest::qWaitFor([&] { return Js(page, condition).toBool(); }, kBoundMs);
}

}  // namespace pagescript
