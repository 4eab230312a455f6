#include "tables/ui/PictureBox.h"

#include <QPixmap>

// The pictures live in a static library; pull its resources in explicitly.
static void initTablesResources() { Q_INIT_RESOURCE(tables); }

namespace PictureBox {

QLabel* make(QWidget* parent, const QString& name, const QRect& geometry, const QString& picture)
{
    static const bool ready = (initTablesResources(), true);
    (void)ready;
    auto* box = new QLabel(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setPixmap(QPixmap(":/tables/" + picture));
    return box;
}

} // namespace PictureBox
