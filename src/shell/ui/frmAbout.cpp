#include "shell/ui/frmAbout.h"

#include "runtime/Error.h"
#include "runtime/System.h"
#include "shell/ui/Controls.h"
#include "shell/ui/Twips.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {
const char* const kAppTitle = "Quillmere";
const char* const kKeyInfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char* const kKeyLocation = "SOFTWARE\\Microsoft\\Shared Tools Location";
} // namespace

frmAbout::frmAbout() : ToolWindow("frmAbout")
{
    setClientSize(4410, 3555);
    setFixedSize(Twips::px(4410), Twips::px(3555));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

void frmAbout::setupUi(QWidget* body)
{
    auto label = [body](const char* name, const QString& text, QRect r) {
        QLabel* l = Controls::label(body, name, text, r, Qt::AlignLeft | Qt::AlignTop);
        l->setWordWrap(true);
        return l;
    };
    auto* picIcon = label("picIcon", QString(), Twips::rect(240, 240, 540, 540));
    picIcon->setPixmap(QPixmap(":/icons/quillmere.png").scaled(Twips::px(540), Twips::px(540), Qt::KeepAspectRatio,
                                                                Qt::SmoothTransformation));
    lblTitle = label("lblTitle", "Application Title", Twips::rect(1050, 240, 3255, 480));
    QFont f = lblTitle->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.5);
    lblTitle->setFont(f);
    label("lblVersion", "Version: 3.1 MDI", Twips::rect(1050, 780, 3255, 300));
    lblDescription = label("lblDescription", "App Description", Twips::rect(1050, 1125, 3255, 780));
    label("lblDisclaimer", "Results are for guidance only; check them before you rely on them.",
          Twips::rect(255, 2180, 2600, 1100));
    for (int y : {2040, 2055}) {
        auto* line = new QFrame(body);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(y == 2040 ? QFrame::Sunken : QFrame::Plain);
        line->setGeometry(Twips::rect(100, y, 4200, 15));
    }
    auto* ok = Controls::button(body, "cmdOK", "OK", Twips::rect(2985, 2300, 1260, 375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    auto* sys = Controls::button(body, "cmdSysInfo", "&System Info...", Twips::rect(2985, 2800, 1260, 375));
    connect(sys, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });
}

void frmAbout::Form_Load()
{
    setWindowTitle(QString("About ") + kAppTitle);
    lblTitle->setText(kAppTitle);
    lblDescription->setText("Please contact us, brindlewick");
}

void frmAbout::cmdOK_Click() { unload(); }

// Escape dismisses the box as its OK button does.
void frmAbout::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        cmdOK_Click();
        return;
    }
    ToolWindow::keyPressEvent(e);
}

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo()
{
    const QString unavailable = "System Information Is Unavailable At This Time";
    try {
        QString path;
        if (GetKeyValue(rt::reg::HKEY_LOCAL_MACHINE, kKeyInfo, "PATH", path)) {
            rt::startProgram(path);
        } else if (GetKeyValue(rt::reg::HKEY_LOCAL_MACHINE, kKeyLocation, "MSINFO", path)
                   && rt::fileExists(path + "\\MSINFO32.EXE")) {
            rt::startProgram(path + "\\MSINFO32.EXE");
        } else {
            rt::showMessage(unavailable);
        }
    } catch (const rt::RuntimeError&) {
        rt::showMessage(unavailable);
    }
}

bool frmAbout::GetKeyValue(rt::reg::HKEY root, const QString& keyName, const QString& subKeyRef, QString& keyVal)
{
    using namespace rt::reg;
    HKEY hKey = 0;
    // Read access is all a look-up needs.
    if (RegOpenKeyExA(root, keyName, 0, KEY_READ, &hKey) != ERROR_SUCCESS) {
        keyVal.clear();
        RegCloseKey(hKey);
        return false;
    }
    char buffer[1024];
    uint32_t size = sizeof buffer;
    uint32_t type = 0;
    if (RegQueryValueExA(hKey, subKeyRef, &type, buffer, &size) != ERROR_SUCCESS) {
        keyVal.clear();
        RegCloseKey(hKey);
        return false;
    }
    QByteArray kept(buffer, static_cast<qsizetype>(size));
    if (size > 0 && buffer[size - 1] == '\0') kept.chop(1);
    bool read = true;
    if (type == REG_SZ) {
        keyVal = QString::fromLocal8Bit(kept);
    } else if (type == REG_DWORD && size >= 4) {
        uint32_t n = 0;
        for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<unsigned char>(buffer[i]);
        keyVal = QString::number(n);
    } else {
        read = false; // a type we cannot show counts as not read
    }
    RegCloseKey(hKey);
    return read;
}
