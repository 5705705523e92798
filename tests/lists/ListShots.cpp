// Both lists filled from a card, one recording highlighted and another group selected, grabbed to a
// PNG: norvik-list-shots CARD OUT.png
#include <QApplication>
#include <QItemSelectionModel>
#include <QPixmap>
#include <cstdio>

#include "catalogue/CRecordingCatalog.h"
#include "catalogue/views/CTarvoFileListCtrl.h"
#include "catalogue/views/CTarvoGroupListCtrl.h"
#include "controls/CStatusBoardStatic.h"
#include "controls/SkinImages.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: norvik-list-shots CARD OUT.png\n");
        return 2;
    }
    QApplication app(argc, argv);
    QWidget window;
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, SkinBackColor);
    window.setPalette(palette);
    window.resize(1300, 330);
    auto* groups = new CTarvoGroupListCtrl(&window);
    auto* files = new CTarvoFileListCtrl(&window);
    auto* board = new CStatusBoardStatic(&window);
    groups->setGeometry(5, 5, 860, 270);
    files->setGeometry(870, 5, 425, 270);
    board->setGeometry(5, 285, 860, 30);
    board->SetBarBitmap(189);
    board->SetProgress(42);

    CRecordingCatalog catalog;
    catalog.Init(groups, files, nullptr, nullptr, nullptr);
    if (!catalog.Load(argv[1])) {
        std::fprintf(stderr, "no such folder: %s\n", argv[1]);
        return 1;
    }
    window.show();
    catalog.SelectEntry(1);
    if (groups->RowCount() > 2) {
        groups->selectionModel()->select(groups->Model()->index(2, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
        groups->Model()->setData(groups->Model()->index(1, 0), Qt::Checked, Qt::CheckStateRole);
    }
    files->selectionModel()->select(files->Model()->index(3, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    app.processEvents();
    if (!window.grab().save(argv[2])) return 1;
    std::printf("%d groups, %d files -> %s\n", groups->RowCount(), files->RowCount(), argv[2]);
    return 0;
}
