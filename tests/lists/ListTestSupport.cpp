#include "tests/lists/ListTestSupport.h"

#include "app/WindowMessages.h"

bool MessageRecorder::event(QEvent* e) {
    if (CWindowMessageEvent::IsWindowMessage(e)) {
        const auto* m = static_cast<CWindowMessageEvent*>(e);
        messages.emplace_back(m->Code(), static_cast<long long>(m->WParam()));
        return true;
    }
    return QWidget::event(e);
}

QString Cell(const CTarvoListCtrlBase& list, int row, int column) {
    return list.Model()->index(row, column).data(Qt::DisplayRole).toString();
}

int64_t July30(int hour, int minute, int second) {
    // 2014-07-30 00:00:00 UTC
    return 1406678400LL + hour * 3600 + minute * 60 + second;
}
