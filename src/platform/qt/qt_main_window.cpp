#include "platform/qt/qt_main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <cmath>
#include <limits>

#include "app/product.h"
#include "platform/qt/qt_colour.h"
#include "platform/qt/qt_options_view.h"
#include "platform/qt/qt_preview_view.h"
#include "platform/qt/qt_style_sheets.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_title_strip.h"
#include "ui/accessible_names.h"
#include "ui/form1.h"
#include "ui/form1_design.h"
#include "ui/form1_events.h"

namespace quire::qt {
namespace {

std::size_t Index(ControlId id) { return static_cast<std::size_t>(id); }

int ScreenDotsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchY())) : 96;
}

QFont FontOf(const FontDesign& design) {
    QFont font{QString::fromUtf8(design.face.data(), static_cast<qsizetype>(design.face.size()))};
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(design.points);
    font.setWeight(static_cast<QFont::Weight>(design.weight));
    font.setItalic(design.italic);
    font.setUnderline(design.underline);
    font.setStrikeOut(design.strikeout);
    return font;
}

QString Caption(const ControlDesign& design) {
    return QString::fromUtf8(design.caption.data(), static_cast<qsizetype>(design.caption.size()));
}

// Background and text colour through the palette, so that a later skin can still recolour; the
// text reads on the background whatever the desktop's theme makes of the system colours.
void SetColours(QWidget& widget, QPalette::ColorRole back, QPalette::ColorRole fore,
                const ControlDesign& design) {
    QPalette palette = widget.palette();
    palette.setColor(back, ToQColor(design.back));
    palette.setColor(fore, ReadableOn(design.back, design.fore));
    widget.setPalette(palette);
}

// The three input boxes look alike under any desktop theme: white fields, as the design's white
// boxes are, with text that reads on them. The design's third box takes the window background
// colour, which was that white where it was drawn; a dark desktop theme would turn it alone dark,
// amid surfaces that stay light, skinned or not.
void SetBoxColours(QLineEdit& box, const ControlDesign& design) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, ToQColor(colour::kWhite));
    palette.setColor(QPalette::Text, ReadableOn(colour::kWhite, design.fore));
    box.setPalette(palette);
}

}  // namespace

QtMainWindow::QtMainWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      dotsPerInch_(ScreenDotsPerInch()),
      surfaceMenu_(new QMenu(this)),
      undoAction_(surfaceMenu_->addAction(
          QString::fromUtf8(product::kUndoMenuEntry.data(), product::kUndoMenuEntry.size()))),
      optionsAction_(surfaceMenu_->addAction(
          QString::fromUtf8(product::kOptionsMenuEntry.data(), product::kOptionsMenuEntry.size()))),
      previewAction_(surfaceMenu_->addAction(
          QString::fromUtf8(product::kPreviewMenuEntry.data(), product::kPreviewMenuEntry.size()))),
      presetsMenu_(*surfaceMenu_, *this),
      exit_([] { QCoreApplication::exit(0); }) {
    Build();
    connect(undoAction_, &QAction::triggered, this, [this] {
        if (form_) form_->UndoLastRun_Click();
    });
    connect(optionsAction_, &QAction::triggered, this, [this] {
        if (form_ == nullptr) return;
        QtOptionsView view(*this);
        form_->Options_Click(view);
    });
    // The menu shows the key; the key itself works anywhere in the window, the menu closed.
    const QKeySequence previewKey(FromBytes(product::kPreviewShortcut));
    previewAction_->setShortcut(previewKey);
    previewAction_->setShortcutContext(Qt::WidgetShortcut);
    const auto preview = [this] {
        if (form_ == nullptr) return;
        QtPreviewView view(*this);
        form_->Preview_Click(view);
    };
    connect(previewAction_, &QAction::triggered, this, preview);
    connect(new QShortcut(previewKey, this), &QShortcut::activated, this, preview);
}

void QtMainWindow::Attach(Form1& form) {
    form_ = &form;
    presetsMenu_.Attach(form);
}

int QtMainWindow::Pixels(int twips) const { return TwipsToPixels(twips, dotsPerInch_); }

QWidget* QtMainWindow::Control(ControlId id) const { return controls_[Index(id)]; }
QLineEdit* QtMainWindow::TextBox(ControlId id) const {
    return qobject_cast<QLineEdit*>(Control(id));
}
QLabel* QtMainWindow::Label(ControlId id) const { return qobject_cast<QLabel*>(Control(id)); }
QPushButton* QtMainWindow::Button(ControlId id) const {
    return qobject_cast<QPushButton*>(Control(id));
}

void QtMainWindow::Build() {
    setObjectName(QStringLiteral("Form1"));
    controls_[Index(ControlId::Form1)] = this;
    const QSize designed(Pixels(kForm1Window.clientWidth), Pixels(kForm1Window.clientHeight));
    // A Wayland compositor that maximises a window requires it to take the maximised size
    // (weston ends a client that does not), and the title bar that Qt draws there offers to
    // maximise whatever the window's flags say: there the window may grow, its controls staying
    // where they are. Elsewhere its size is fixed.
    if (QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))) {
        setMinimumSize(designed);
        resize(designed);
    } else {
        setFixedSize(designed);
    }
    setFont(FontOf(*kForm1Window.font));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(kForm1Window.back));
    setPalette(palette);
    setAutoFillBackground(true);
    setMouseTracking(true);
    installEventFilter(this);

    for (const ControlDesign& design : Form1Controls()) {
        QWidget* widget = Create(design.id);
        if (!widget) continue;
        controls_[Index(design.id)] = widget;
        widget->setObjectName(QString::fromUtf8(ControlName(design.id).data()));
        // The preview label is named by what it shows.
        if (design.id != ControlId::Label4) {
            widget->setAccessibleName(QString::fromStdString(AccessibleName(design.id)));
        }
        const TwipRect& r = design.twips;
        widget->setGeometry(Pixels(r.left), Pixels(r.top), Pixels(r.width), Pixels(r.height));
        if (design.font != kForm1Window.font) widget->setFont(FontOf(*design.font));
        // Every control sees the pointer move, so that a move over a control without a handler
        // stops there instead of reaching its frame or the window.
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
    }

    const auto order = Form1TabOrder();
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(Control(order[i - 1]), Control(order[i]));
    }
}

QWidget* QtMainWindow::Create(ControlId id) {
    const ControlDesign& design = DesignOf(id);
    QWidget* parent = design.container == ControlId::Form1 ? this : Control(design.container);
    switch (design.kind) {
        case ControlKind::TextBox: {
            auto* box = new QLineEdit(Caption(design), parent);
            box->setMaxLength(std::numeric_limits<int>::max());  // no length limit
            SetBoxColours(*box, design);
            connect(box, &QLineEdit::textChanged, this, [this, id] {
                if (form_) DispatchEvent(*form_, id, FormEvent::Change);
            });
            return box;
        }
        case ControlKind::Frame: {
            auto* frame = new QGroupBox(Caption(design), parent);
            frame->setFocusPolicy(Qt::NoFocus);
            SetColours(*frame, QPalette::Window, QPalette::WindowText, design);
            // Styles take the caption's colour from the text role.
            SetColours(*frame, QPalette::Window, QPalette::Text, design);
            frame->setAutoFillBackground(true);
            return frame;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(parent);
            // Plain text: a pattern such as "<b>" is shown as typed, never as markup.
            label->setTextFormat(Qt::PlainText);
            label->setText(Caption(design));
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            SetColours(*label, QPalette::Window, QPalette::WindowText, design);
            label->setAutoFillBackground(true);
            return label;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(Caption(design), parent);
            button->setAutoDefault(false);
            button->setFocusPolicy(Qt::StrongFocus);
            button->setStyleSheet(PushButtonSheet(DesignButtonLook(design)));
            connect(button, &QPushButton::clicked, this, [this, id] {
                if (form_) DispatchEvent(*form_, id, FormEvent::Click);
            });
            return button;
        }
        case ControlKind::Form:
        case ControlKind::SkinComponent: return nullptr;
    }
    return nullptr;
}

void QtMainWindow::PlaceCentred() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

void QtMainWindow::setVisible(bool visible) {
    QWidget::setVisible(visible);
    if (!visible) return;
    // Where Qt would draw the title bar, the window draws its own, and the design's surface goes
    // below it.
    const QtTitleStrip* strip = QtTitleStrip::ReplaceQtTitleBar(*this);
    if (strip == nullptr) return;
    const int top = strip->height();
    for (const ControlDesign& design : Form1Controls()) {
        QWidget* control = Control(design.id);
        if (control != nullptr && design.container == ControlId::Form1) {
            control->move(control->pos() + QPoint(0, top));
        }
    }
    const QSize grown = size() + QSize(0, top);
    setMinimumSize(minimumSize() + QSize(0, top));
    resize(grown);
}

void QtMainWindow::EndProgram() {
    closing_ = true;
    if (exit_) exit_();
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
    if (form_ && !closing_) {
        int cancel = 0;
        form_->Form_Unload(cancel);
    }
    event->accept();
}

void QtMainWindow::contextMenuEvent(QContextMenuEvent* event) {
    undoAction_->setEnabled(form_ != nullptr && form_->UndoOffered());
    optionsAction_->setEnabled(form_ != nullptr && form_->OptionsOffered());
    previewAction_->setEnabled(form_ != nullptr && form_->PreviewOffered());
    presetsMenu_.Refresh();
    surfaceMenu_->popup(event->globalPos());
    event->accept();
}

bool QtMainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Enter on a focused push button clicks it, as the space bar does.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button == nullptr || (key != Qt::Key_Return && key != Qt::Key_Enter)) return false;
        button->click();
        return true;
    }
    if (event->type() != QEvent::MouseMove) return false;
    const auto* move = static_cast<QMouseEvent*>(event);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i] != watched) continue;
        if (form_) DispatchEvent(*form_, static_cast<ControlId>(i), FormEvent::MouseMove);
        // A plain move ends with the control under the pointer; a drag goes on to the control.
        return move->buttons() == Qt::NoButton;
    }
    return false;
}

}  // namespace quire::qt
