#include "support/random_play.h"

#include "art/deck.h"
#include "common/mainwindow.h"
#include "core/cards.h"
#include "core/stock.h"
#include "platform/picture.h"
#include "shell/deck_files.h"
#include "shell/form1.h"
#include "shell/form2.h"
#include "shell/form3.h"
#include "shell/form4.h"
#include "shell/form5.h"
#include "shell/form6.h"

#include <QImage>
#include <QString>

#include <array>
#include <map>
#include <set>

// The shell's windows: the main window is played with everything it opens.
namespace {

QImage comparable(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// The five deck files always show the design the number file names, whatever was chosen or
// closed in whatever order.
std::string mainHolds(Form1&) {
    static const std::array<std::string_view, 5> files{core::backfile, core::sidebackfile, core::stockfull,
                                                       core::stockhalf, core::stockthin};
    static std::map<int, std::array<QImage, 5>> drawn;
    const int design = shell::storeddesign();
    if (!drawn.contains(design))
        for (std::size_t i = 0; i < files.size(); ++i)
            drawn[design][i] = comparable(art::deckPicture(design, art::kDeckPictures[i]));
    for (std::size_t i = 0; i < files.size(); ++i)
        if (comparable(platform::LoadPicture(files[i]).image()) != drawn[design][i])
            return std::string(files[i]) + " does not show design " + std::to_string(design) + ", which the number names";
    return {};
}

// The list never shows a name twice, in any case.
std::string loginHolds(Form3& login) {
    std::set<QString> seen;
    for (int i = 0; i < login.List1.ListCount(); ++i)
        if (!seen.insert(QString::fromStdString(login.List1.List(i)).toUpper()).second)
            return "\"" + login.List1.List(i) + "\" is listed twice";
    return {};
}

// Exactly one design is marked: closing always saves one.
std::string decksHolds(Form4& decks) {
    int marked = 0;
    for (const platform::OptionButton* option : {&decks.Option1, &decks.Option2, &decks.Option3, &decks.Option4, &decks.Option5})
        marked += option->Value ? 1 : 0;
    return marked == 1 ? std::string() : std::to_string(marked) + " designs are marked";
}

const bool mainPlayed = gp::playRules<Form1>("shell", {.holds = mainHolds});
const bool chooserPlayed = gp::playRules<Form2>("chooser", {.played = false});
const bool loginPlayed =
    gp::playRules<Form3>("login", {.played = false, .locks = common::mainwindow, .keepsLock = false, .holds = loginHolds});
const bool decksPlayed =
    gp::playRules<Form4>("decks", {.played = false, .locks = common::mainwindow, .keepsLock = false, .holds = decksHolds});
const bool rulesPlayed = gp::playRules<Form5>("rules viewer", {.played = false});
const bool startPlayed = gp::playRules<Form6>("start-up", {.played = false});

}  // namespace
