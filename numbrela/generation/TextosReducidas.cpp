#include "generation/TextosReducidas.h"

namespace numbrela {

std::vector<std::string> TextosInformacion(int conjunto, int n, int garantia,
                                           const std::string& fichero)
{
    std::vector<std::string> t{"Atención lea detenidamente estas instrucciones",
                               std::string(75, '-')};
    if (conjunto == 1) {
        t.insert(t.end(), {
                              "Las reduciones con números fijos, como la que acaba de solicitar "
                              "tienen que se generadas a "
                              "diferencia de las que no los llevan.",
                              "Esto se debe a que no se puede preveer la posición que ocupará el "
                              "número fijo dentro del orden "
                              "de la reducción, con lo cual la apuesta tiene que generarse en "
                              "función de los números que Ud. "
                              "escoge en cada ocasión.",
                              "Sin embargo, una vez creada Ud. podrá utilizarla cuantas veces "
                              "quiera ya que se guarda en disco. "
                              "Pulse el botón ABRIR para ver todos los archivos con extensión .RLF "
                              "y busque el que generó "
                              "previamente.",
                              "Las reduciones se guardan en disco en un archivo cuyo nombre sigue "
                              "la regla COMB+ Número de "
                              "Reducidos+ Tipo de Reducción + Numeros Fijos. De esta forma el "
                              "archivo COMB34-4-25-41.RLF ",
                              "indica una reducción de 34 números al CUATRO con el 25 y el 41 como "
                              "fijos. El tiempo que tarda "
                              "en completarse una reducción es siempre variable y depende de "
                              "tantas cosas que es difícil "
                              "predecir el tiempo",
                              "que se tardará en generarla y el tamaño del archivo generado",
                              "Por ejemplo: Una reducción de 47 números al 5 son 222.685 apuestas "
                              "que ocupan en disco "
                              "aproximadamente un MEGA y es difícil que un usuario pueda gastarse "
                              "más de 22 millones de pesetas.",
                              "Para su información le diremos que una reducción de 30 números al 5 "
                              "(ya generada en disco) tardó "
                              "35 minutos en completarse en un sistema Pentium PRO a 200 Mhz.",
                              "Nuestra recomendación es que no genere aquellas reducciones que no "
                              "va a utilizar ya que le "
                              "ocuparán inútilmente sitio en su disco duro. Si desea continuar con "
                              "el proceso pulse OK ahora.",
                          });
    } else {
        t.insert(t.end(), {
                              "Se va a generar una reducción con números fijos. El proceso puede "
                              "durar desde unos pocos "
                              "segundos hasta varias horas, según la cantidad de números y el tipo "
                              "de reducción. Si no está "
                              "de acuerdo pulse CANCELAR ahora.",
                              "Su ordenador utilizará todo su poder de cálculo durante este "
                              "proceso por lo que le recomendamos "
                              "que no utilize ningún otro programa durante este tiempo ya que si "
                              "lo hace la generación será "
                              "aún más lenta",
                              "",
                              "",
                              "La reducción con números fijos que va a realizar es de " +
                                  std::to_string(n) + " números al " + std::to_string(garantia),
                              "Se guardará en el archivo:" + fichero,
                          });
    }
    return t;
}

TTextosProgreso TextosProgreso(int n, std::span<const std::uint8_t> fijos,
                               const std::string& fichero)
{
    TTextosProgreso p;
    p.Titulo = "Atención !!!";
    p.Cabecera = "Se esta generando una reducción...";
    p.Aviso = {"Este proceso no debe ser interrumpido ya que la",
               "reducción sería incorrecta. El archivo que se está ",
               "generando  se podrá utilizar más adelante cuantas veces",
               "quiera para que no tenga que repetir este proceso más."};
    p.Numeros = "Números reducidos: " + std::to_string(n);
    p.Fijos = "Número(s) Fijo(s):";
    for (std::size_t i = 0; i < fijos.size(); ++i)
        p.Fijos += (i ? "-" : "") + std::to_string(fijos[i]);
    p.RotuloArchivo = "Archivo que se está generando:";
    p.Archivo = fichero;
    return p;
}

} // namespace numbrela
