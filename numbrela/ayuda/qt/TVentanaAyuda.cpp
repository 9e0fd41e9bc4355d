#include "ayuda/qt/TVentanaAyuda.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <functional>

// The pages are a resource of this library: it has to be registered by name.
static void IniciaPaginasAyuda()
{
    Q_INIT_RESOURCE(ayuda);
}

namespace numbrela::ui {
namespace {

constexpr const char* kEsquemaBusqueda = "buscar";

// A browser that also serves the search's answers, as pages of their own so that back
// and forward pass through them too.
class TNavegador : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    std::function<QString(int)> Busqueda;

    QVariant loadResource(int tipo, const QUrl& url) override
    {
        if (url.scheme() == kEsquemaBusqueda && Busqueda)
            return Busqueda(url.path().toInt());
        return QTextBrowser::loadResource(tipo, url);
    }
};

QWidget* Raiz(QWidget* w)
{
    while (w->parentWidget() != nullptr)
        w = w->parentWidget();
    return w;
}

} // namespace

const QString TVentanaAyuda::kBase = QStringLiteral("qrc:/ayuda/");

TVentanaAyuda::TVentanaAyuda(QWidget* raiz) : QWidget(raiz, Qt::Window), raiz_(raiz)
{
    setObjectName("VentanaAyuda");
    setWindowTitle(QString::fromUtf8("Ayuda de Numbrela"));
    resize(980, 660);
    CargaPaginas();

    auto* contenido = new QPushButton(QString::fromUtf8("&Contenido"));
    atras_ = new QPushButton(QString::fromUtf8("< A&trás"));
    adelante_ = new QPushButton(QString::fromUtf8("A&delante >"));
    busqueda_ = new QLineEdit;
    busqueda_->setPlaceholderText(QString::fromUtf8("Palabras que buscar en la ayuda"));
    busqueda_->setAccessibleName(QString::fromUtf8("Buscar en la ayuda"));
    auto* buscar = new QPushButton(QString::fromUtf8("&Buscar"));
    contenido->setObjectName("Contenido");
    atras_->setObjectName("Atras");
    adelante_->setObjectName("Adelante");
    buscar->setObjectName("Buscar");
    atras_->setEnabled(false);
    adelante_->setEnabled(false);

    contenido_ = new QListWidget;
    contenido_->setObjectName("ListaContenido");
    contenido_->setAccessibleName(QString::fromUtf8("Contenido de la ayuda"));
    // Long titles wrap instead of hiding behind a scroll bar.
    contenido_->setWordWrap(true);
    contenido_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    contenido_->setSpacing(2);
    for (const TPaginaAyuda* p : indice_.Paginas()) {
        auto* item = new QListWidgetItem(QString::fromStdString(p->Titulo), contenido_);
        item->setData(Qt::UserRole, QString::fromStdString(p->Nombre));
    }
    auto* navegador = new TNavegador;
    navegador->Busqueda = [this](int i) {
        const QString consulta = busquedas_.value(i);
        return QString::fromStdString(
            indice_.HtmlBusqueda(consulta.toStdString(), kBase.toStdString()));
    };
    navegador_ = navegador;
    navegador_->setObjectName("Pagina");
    navegador_->setAccessibleName(QString::fromUtf8("Página de la ayuda"));
    navegador_->setOpenLinks(true);
    navegador_->setOpenExternalLinks(false);

    auto* barra = new QHBoxLayout;
    barra->addWidget(contenido);
    barra->addWidget(atras_);
    barra->addWidget(adelante_);
    barra->addSpacing(16);
    barra->addWidget(busqueda_, 1);
    barra->addWidget(buscar);
    auto* division = new QSplitter;
    division->addWidget(contenido_);
    division->addWidget(navegador_);
    division->setStretchFactor(1, 1);
    division->setSizes({300, 680});
    auto* todo = new QVBoxLayout(this);
    todo->addLayout(barra);
    todo->addWidget(division, 1);

    connect(contenido, &QPushButton::clicked, this, [this] { MuestraPagina(kPaginaContenido); });
    connect(atras_, &QPushButton::clicked, navegador_, &QTextBrowser::backward);
    connect(adelante_, &QPushButton::clicked, navegador_, &QTextBrowser::forward);
    connect(navegador_, &QTextBrowser::backwardAvailable, atras_, &QWidget::setEnabled);
    connect(navegador_, &QTextBrowser::forwardAvailable, adelante_, &QWidget::setEnabled);
    connect(navegador_, &QTextBrowser::sourceChanged, this, &TVentanaAyuda::SenalaEnContenido);
    connect(buscar, &QPushButton::clicked, this, [this] { Busca(busqueda_->text()); });
    connect(busqueda_, &QLineEdit::returnPressed, this, [this] { Busca(busqueda_->text()); });
    connect(contenido_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item != nullptr)
            MuestraPagina(item->data(Qt::UserRole).toString());
    });
}

void TVentanaAyuda::CargaPaginas()
{
    IniciaPaginasAyuda();
    QDirIterator it(":/ayuda", {"*.html"}, QDir::Files);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly))
            indice_.Anade(f.fileName().section('/', -1).toStdString(), f.readAll().toStdString());
    }
}

TVentanaAyuda* TVentanaAyuda::De(QWidget* desde)
{
    return desde == nullptr ? nullptr : Raiz(desde)->findChild<TVentanaAyuda*>("VentanaAyuda");
}

TVentanaAyuda* TVentanaAyuda::Abre(QWidget* desde, const QString& pagina)
{
    QWidget* raiz = Raiz(desde);
    TVentanaAyuda* v = De(desde);
    if (v == nullptr) {
        v = new TVentanaAyuda(raiz);
        // The first time, over the middle of the main window.
        v->move(raiz->geometry().center() - v->rect().center());
    }
    // A modal window of the program blocks every other window but its own: the help
    // becomes one of its windows while it is open, and the main window's again after.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != v && raiz->isAncestorOf(modal)) {
        v->Acompana(modal);
        modal->installEventFilter(v);
    } else if (modal == nullptr) {
        v->Acompana(raiz);
    }
    v->MuestraPagina(pagina);
    v->show();
    v->raise();
    v->activateWindow();
    return v;
}

void TVentanaAyuda::Acompana(QWidget* padre)
{
    if (parentWidget() == padre)
        return;
    const bool visible = isVisible();
    const QRect marco = geometry();
    setParent(padre, Qt::Window);
    setGeometry(marco);
    if (visible)
        show();
}

void TVentanaAyuda::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

bool TVentanaAyuda::eventFilter(QObject* objeto, QEvent* e)
{
    if (e->type() == QEvent::Hide && objeto == parentWidget() && objeto != raiz_) {
        objeto->removeEventFilter(this);
        Acompana(raiz_);
    }
    return QWidget::eventFilter(objeto, e);
}

QString TVentanaAyuda::PaginaActual() const
{
    const QUrl url = navegador_->source();
    return url.scheme() == "qrc" ? url.fileName() : QString();
}

void TVentanaAyuda::MuestraPagina(const QString& pagina)
{
    const QString nombre =
        indice_.Pagina(pagina.toStdString()) != nullptr ? pagina : QString(kPaginaContenido);
    if (PaginaActual() != nombre)
        navegador_->setSource(QUrl(kBase + nombre), QTextDocument::HtmlResource);
}

void TVentanaAyuda::Busca(const QString& consulta)
{
    busquedas_ << consulta;
    navegador_->setSource(QUrl(QString("%1:%2").arg(kEsquemaBusqueda).arg(busquedas_.size() - 1)),
                          QTextDocument::HtmlResource);
}

void TVentanaAyuda::SenalaEnContenido(const QUrl& url)
{
    // The browser says which page it goes to before its history holds it.
    const QString actual = url.scheme() == "qrc" ? url.fileName() : QString();
    const QSignalBlocker bloqueo(contenido_);
    contenido_->setCurrentItem(nullptr);
    for (int i = 0; i < contenido_->count(); ++i)
        if (contenido_->item(i)->data(Qt::UserRole).toString() == actual)
            contenido_->setCurrentRow(i);
}

} // namespace numbrela::ui
