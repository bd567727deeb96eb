#include "toolkit.h"

#include "startup_trace.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QResource>
#include <QShortcut>

#include <cstdio>
#include <cstdlib>

namespace ionvale::toolkit {
namespace {

constexpr int twipsPerPixel = 15;

constexpr int pixels(Twips twips)
{
    return twips / twipsPerPixel;
}

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The toolkit is started with the program's name as its only argument, so
// that options such as -style or -reverse on the command line change nothing.
int argumentCount = 1;
char programName[] = "IONVAL~1";
char* arguments[] = {programName, nullptr};

// While the toolkit starts, its messages are held back. If it cannot reach a
// display it would abort the process; instead, say so in one line and exit.
QStringList& heldMessages()
{
    static QStringList messages;
    return messages;
}

void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fputs("IONVAL~1: no graphical display was found (is DISPLAY or WAYLAND_DISPLAY set?)\n",
                   stderr);
        std::_Exit(1);
    }
    heldMessages().append(qFormatLogMessage(type, context, message));
}

// Reads an embedded image of a known, built-in format. Left to guess, Qt
// would load every image-format plugin to ask it first.
QImage readImage(const QString& resource, const char* format)
{
    QImageReader reader(resource, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// The little-endian fields of an image file, read with bounds checks: past
// the end of the data every field reads as zero.
class LittleEndian {
public:
    explicit LittleEndian(QByteArrayView data) : data_(data) {}

    quint32 byte(qsizetype at) const
    {
        return at >= 0 && at < data_.size() ? static_cast<quint8>(data_[at]) : 0u;
    }
    quint32 word(qsizetype at) const { return byte(at) | byte(at + 1) << 8; }
    quint32 dword(qsizetype at) const { return word(at) | word(at + 2) << 16; }
    qsizetype size() const { return data_.size(); }
    const quint8* bytes(qsizetype at) const { return reinterpret_cast<const quint8*>(data_.data()) + at; }

private:
    QByteArrayView data_;
};

// Reads an uncompressed 24-bit bitmap (BMP, rows bottom-up) into the
// format the screen draws from. Qt's reader takes each pixel on its own,
// and at start-up that was the largest single cost after the fonts.
// Returns a null image where the data is not such a bitmap.
QImage decodeBitmap(QByteArrayView data)
{
    const LittleEndian file(data);
    if (file.size() < 54 || file.byte(0) != 'B' || file.byte(1) != 'M')
        return {};
    const qsizetype rows = file.dword(10);
    const int width = int(file.dword(18));
    const int height = int(file.dword(22));  // positive: rows run bottom-up
    if (file.word(28) != 24 || file.dword(30) != 0 || width <= 0 || height <= 0 || width > 16384
        || height > 16384)
        return {};
    const qsizetype stride = (qsizetype(width) * 3 + 3) / 4 * 4;
    if (rows + stride * height > file.size())
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const quint8* source = file.bytes(rows + stride * (height - 1 - y));
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, source += 3)
            line[x] = qRgb(source[2], source[1], source[0]);
    }
    return image;
}

// The bytes of an embedded file, without copying them where they are stored
// uncompressed.
QByteArray resourceData(const QString& resource)
{
    const QResource file(resource);
    if (file.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()), file.size());
    return file.uncompressedData();
}

// Reads the 16-colour icon (4 bits a pixel with a transparency mask) from an
// .ico file's first image. Decoding it here spares loading an image-format
// plugin at start-up. Returns a null image where the data is not such an icon.
QImage decodeIcon(QByteArrayView data)
{
    const LittleEndian file(data);
    if (file.size() < 22 || file.word(2) != 1 || file.word(4) < 1)
        return {};
    const qsizetype header = file.dword(18);
    const int width = int(file.dword(header + 4));
    const int height = int(file.dword(header + 8)) / 2;  // the colours, then the mask
    if (file.dword(header) != 40 || file.word(header + 14) != 4 || width <= 0 || width > 256 || height != width)
        return {};
    const qsizetype palette = header + 40;
    const qsizetype colours = palette + 16 * 4;
    const int colourStride = (width * 4 + 31) / 32 * 4;
    const int maskStride = (width + 31) / 32 * 4;
    const qsizetype mask = colours + qsizetype(colourStride) * height;
    if (mask + qsizetype(maskStride) * height > file.size())
        return {};
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const int row = height - 1 - y;  // rows are stored bottom-up
        for (int x = 0; x < width; ++x) {
            const quint32 pair = file.byte(colours + qsizetype(row) * colourStride + x / 2);
            const quint32 index = x % 2 ? pair & 0x0f : pair >> 4;
            const bool transparent = file.byte(mask + qsizetype(row) * maskStride + x / 8) & (0x80u >> (x % 8));
            const qsizetype entry = palette + 4 * qsizetype(index);
            image.setPixel(x, y, transparent ? 0u
                                             : qRgb(int(file.byte(entry + 2)), int(file.byte(entry + 1)),
                                                    int(file.byte(entry))));
        }
    }
    return image;
}

// The picture box: a sunken frame that draws its bitmap unscaled at the
// top-left of its client area, over the 3D face colour. On a high-DPI screen
// (a device pixel ratio of 2 or more) it draws the bitmap's double-resolution
// rendering, name@2x, where there is one; the size stays that of the bitmap.
// The bitmap is decoded when it is first painted.
class PictureBox : public QFrame {
public:
    PictureBox(QWidget* parent, const QString& bitmapResource) : QFrame(parent), resource_(bitmapResource)
    {
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        setBackgroundRole(QPalette::Button);
        setAutoFillBackground(true);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QFrame::paintEvent(event);
        QPainter painter(this);
        painter.setClipRect(contentsRect());
        painter.drawPixmap(contentsRect().topLeft(), picture());
        traceStartupOnce(painted_, "first paint");
    }

private:
    const QPixmap& picture()
    {
        const qreal ratio = devicePixelRatioF() >= 2 ? 2 : 1;
        if (picture_.isNull() || picture_.devicePixelRatio() != ratio) {
            QString file = resource_;
            if (ratio == 2 && QFile::exists(atTwice(resource_)))
                file = atTwice(resource_);
            picture_ = QPixmap::fromImage(decodeBitmap(resourceData(file)), Qt::NoFormatConversion);
            picture_.setDevicePixelRatio(file == resource_ ? 1 : 2);
            traceStartupOnce(decoded_, "bitmap decoded");
        }
        return picture_;
    }

    static QString atTwice(const QString& file)
    {
        const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
        return file.left(dot) + QStringLiteral("@2x") + file.mid(dot);
    }

    QString resource_;
    QPixmap picture_;
    bool decoded_ = false;
    bool painted_ = false;
};

} // namespace

Session::Session(std::string_view applicationName, std::string_view version, std::string_view desktopFileName)
{
    // The menu bar belongs in the window, never in a desktop's global menu.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    qInstallMessageHandler(startupMessageHandler);
    application_ = std::make_unique<QApplication>(argumentCount, arguments);
    qInstallMessageHandler(nullptr);
    for (const QString& message : std::as_const(heldMessages()))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    heldMessages().clear();

    QApplication::setApplicationName(qt(applicationName));
    QApplication::setApplicationVersion(qt(version));
    QGuiApplication::setDesktopFileName(qt(desktopFileName));
}

Session::~Session() = default;

int Session::run()
{
    return QApplication::exec();
}

Window::Window(std::string_view name, std::string_view caption,
               std::initializer_list<std::string_view> iconResources)
    : window_(std::make_unique<QMainWindow>()), client_(new QWidget)
{
    window_->setObjectName(qt(name));
    window_->setWindowTitle(qt(caption));
    QIcon icon;
    for (std::string_view resource : iconResources) {
        QImage image;
        if (resource.ends_with(".ico")) {
            image = decodeIcon(resourceData(qt(resource)));
        } else {
            image = readImage(qt(resource), "PNG");
        }
        icon.addPixmap(QPixmap::fromImage(image));
    }
    window_->setWindowIcon(icon);

    client_->setObjectName(qt(name) + QStringLiteral("Client"));
    client_->setBackgroundRole(QPalette::Button);
    client_->setAutoFillBackground(true);
    window_->setCentralWidget(client_);

    // The menu bar has no access keys: it is reached with Alt, as the style
    // provides, or with F10, the general menu key of Linux desktops. F10
    // enters the same keyboard mode as a tap on Alt: the first menu is
    // highlighted, the arrow keys move, Return or Space runs an item.
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), window_.get());
    QObject::connect(menuKey, &QShortcut::activated, window_.get(), [window = window_.get()] {
        // The events of a tap on Alt. A key event for a modifier key carries
        // that modifier flipped, as the keyboard reports it.
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
        for (QEvent::Type type : {QEvent::ShortcutOverride, QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent tap(type, Qt::Key_Alt, Qt::NoModifier);
            QApplication::sendEvent(target, &tap);
        }
    });
}

Window::~Window() = default;

Control* Window::addPictureBox(std::string_view name, std::string_view accessibleName, TwipRect outer,
                               std::string_view bitmapResource)
{
    auto* box = new PictureBox(client_, qt(bitmapResource));
    box->setObjectName(qt(name));
    box->setAccessibleName(qt(accessibleName));
    box->setGeometry(pixels(outer.left), pixels(outer.top), pixels(outer.width), pixels(outer.height));
    return box;
}

Control* Window::addButton(Control* parent, std::string_view name, std::string_view caption,
                           std::string_view description, TwipRect where, Command onActivate)
{
    auto* button = new QPushButton(qt(caption), parent);
    button->setObjectName(qt(name));
    button->setAccessibleName(qt(caption));
    button->setAccessibleDescription(qt(description));
    button->setAutoDefault(false);
    const QPoint origin = parent->contentsRect().topLeft();
    button->setGeometry(origin.x() + pixels(where.left), origin.y() + pixels(where.top),
                        pixels(where.width), pixels(where.height));
    QObject::connect(button, &QPushButton::clicked, button,
                     [command = std::move(onActivate)] { command(); });
    return button;
}

void Window::setTabOrder(const std::vector<Control*>& order)
{
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    if (!order.empty())
        order.front()->setFocus();
}

Menu* Window::addMenu(Menu* parent, std::string_view name, std::string_view caption)
{
    QMenu* menu = parent ? parent->addMenu(qt(caption)) : window_->menuBar()->addMenu(qt(caption));
    menu->setObjectName(qt(name));
    menu->menuAction()->setObjectName(qt(name));
    return menu;
}

void Window::addMenuCommand(Menu* parent, std::string_view name, std::string_view caption,
                            Command onChoose)
{
    QAction* action = parent ? parent->addAction(qt(caption)) : window_->menuBar()->addAction(qt(caption));
    action->setObjectName(qt(name));
    QObject::connect(action, &QAction::triggered, action, [command = std::move(onChoose)] { command(); });
}

void Window::show(Twips clientWidth, Twips clientHeight)
{
    const int menuHeight = window_->menuBar()->sizeHint().height();
    window_->resize(pixels(clientWidth), pixels(clientHeight) + menuHeight);
    window_->show();
}

void Window::showMessage(std::string_view title, std::string_view text)
{
    QMessageBox box(window_.get());
    box.setObjectName(QStringLiteral("message"));
    box.setWindowTitle(qt(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(qt(text));
    box.setIcon(QMessageBox::NoIcon);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    // A title and a close control, nothing to minimize or maximize.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace ionvale::toolkit
