// The speed of the current telemetry sample in the top bar: a glowing number and "Km/h".
// Transparent to the mouse, so clicks over it reach the main window.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

#include "catalogue/TrackPlotting.h"

class CSpeedLabelStatic : public QWidget, public ISpeedReadoutView {
    Q_OBJECT
public:
    explicit CSpeedLabelStatic(QWidget* parent = nullptr);

    // The speed is kept as a 16-bit value; valid false shows the background only.
    void SetSpeed(bool valid, int speedKmh) override;
    void FormatTexts();

    bool IsValid() const { return m_bValid; }
    uint16_t SpeedKmh() const { return m_nSpeedKmh; }
    const QString& ValueText() const { return m_strValue; }
    const QString& UnitText() const { return m_strUnit; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_strValue = QStringLiteral("  0");
    bool m_bValid = true;
    uint16_t m_nSpeedKmh = 0;
    QString m_strUnit = QStringLiteral("Km/h");
};
