// Helpers for the list tests: a parent that records window messages and cell access.
#pragma once

#include <QWidget>
#include <utility>
#include <vector>

#include "catalogue/views/CTarvoListCtrlBase.h"

class MessageRecorder : public QWidget {
public:
    std::vector<std::pair<int, long long>> messages;  // code, wParam

protected:
    bool event(QEvent* e) override;
};

QString Cell(const CTarvoListCtrlBase& list, int row, int column);
// 2014-07-30 hh:mm:ss UTC in seconds since 1970.
int64_t July30(int hour, int minute, int second);
