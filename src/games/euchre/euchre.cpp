#include "games/euchre/euchre.h"

#include "games/euchre/euchre_bidding.h"
#include "games/euchre/euchre_computer.h"
#include "games/euchre/euchre_deal.h"
#include "games/euchre/euchre_layout.h"
#include "games/euchre/euchre_play.h"
#include "games/euchre/euchre_scoring.h"
#include "games/euchre/euchre_turns.h"
#include "games/euchre/euchrescore.h"

#include "art/euchre_pictures.h"
#include "common/backs.h"
#include "common/locks.h"
#include "common/mainwindow.h"
#include "common/names.h"
#include "common/scaling.h"
#include "common/settings.h"
#include "core/cards.h"
#include "core/chance.h"
#include "core/deck.h"
#include "core/euchrecards.h"
#include "core/rndnum.h"
#include "platform/boxes.h"
#include "platform/files.h"

using namespace platform;
using namespace euchrerules;

namespace {

constexpr std::string_view kFlick = "flick.wav";
constexpr std::string_view kPageTurn = "pageturn.wav";
constexpr std::string_view kPlayToFile = "\\Data\\euchreto.dat";
constexpr std::string_view kPassed = "Passed";
constexpr int kInformation = vbInformation;
constexpr int kQuestion = vbYesNo + vbInformation;

const Color kTable = RGB(0, 128, 0);

void nameLabel(Label& label, double left, double top) {
    label.Move(left, top, 1695, 255);
    label.Caption = "Your Name";
    label.Alignment = vbCenter;
    label.ForeColor = RGB(255, 255, 128);
    label.BackColor = vbMenuText;
}

void tableLabel(Label& label, double left, double top, double width, const char* caption) {
    label.Move(left, top, width, 255);
    label.Caption = caption;
    label.Font.Name = "Verdana";
    label.Font.Size = 9.75;
    label.ForeColor = vbYellow;
    label.BackStyle = vbTransparent;
}

}  // namespace

euchre::euchre() : GameWindow("euchre", "euchre") {
    design();
    euchrescore::connect({
        [] { return static_cast<Form*>(loaded<euchre>()); },
        [] {
            const euchre* table = loaded<euchre>();
            return table ? table->scorecaptions() : std::array<std::string, 4>{};
        },
        [] {
            if (euchre* table = loaded<euchre>()) table->nexthand();
        },
        [] {
            if (euchre* table = loaded<euchre>()) table->nnew();
        },
    });
    on(Image1.Click, &euchre::Image1_Click);
    on(Image6.Click, &euchre::Image6_Click);
    on(Image7.Click, &euchre::Image7_Click);
    on(Image8.Click, &euchre::Image8_Click);
    on(Image9.Click, &euchre::Image9_Click);
    on(Label10.Click, &euchre::Label10_Click);
    on(Timer1.Tick, &euchre::Timer1_Timer);
    on(Timer3.Tick, &euchre::Timer3_Timer);
    on(Timer2.Tick, &euchre::Timer2_Timer);
    on(Timer4.Tick, &euchre::Timer4_Timer);
    on(Timer6.Tick, &euchre::Timer6_Timer);
    on(Timer5.Tick, &euchre::Timer5_Timer);
    on(newgame.Click, &euchre::newgame_Click);
    on(startgame.Click, &euchre::startgame_Click);
    on(playtoeight.Click, &euchre::playtoeight_Click);
    on(playtoten.Click, &euchre::playtoten_Click);
    on(playtotwelve.Click, &euchre::playtotwelve_Click);
    on(score.Click, &euchre::score_Click);
}

void euchre::design() {
    Caption = "Euchre";
    Width = 10530;
    BackColor = kTable;
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;

    for (int slot = 0; slot <= kSlots; ++slot) {
        Image& card = Image1[slot];
        card.Move(600, 9000, 975, 1335);
        card.Visible = false;
    }
    for (int k = 1; k <= 5; ++k) {
        Image1[k].Move(2520 + 1200 * (k - 1), 6480);
        Image1[k].Visible = true;
        compcard[k].Move(7320 - 1200 * (k - 1), 360, 975, 1335);
    }
    for (int k = 6; k <= 10; ++k) compcard[k].Move(600, 1320 + 1200 * (k - 6), 1575, 855);
    for (int k = 11; k <= 15; ++k) compcard[k].Move(8760, 6120 - 1200 * (k - 11), 1575, 855);
    Image3.Move(4920, 3000, 975, 1335);
    Image4.Move(5160, 3960, 495, 375);
    Image5.Move(5520, 5880, 450, 420);
    Image5.Stretch = true;
    Image2.Move(4920, 6000, 375, 375);
    Image2.Stretch = true;
    Image2.Picture = platform::Picture(art::dealerMarker());

    nameLabel(Label12, 6600, 1920);
    nameLabel(Label13, 8760, 960);
    nameLabel(Label11, 4560, 8160);
    nameLabel(Label14, 480, 8160);
    tableLabel(Label3, 2520, 1920, 1575, "Tricks: 0");
    tableLabel(Label4, 8760, 7320, 1575, "Tricks: 0");
    tableLabel(Label1, 2520, 8160, 1815, "Tricks: 0");
    tableLabel(Label2, 600, 7320, 1575, "Tricks: 0");
    for (Label* hidden : {&Label1, &Label2, &Label4}) hidden->Visible = false;
    tableLabel(Label6, 2520, 2400, 1575, "");
    tableLabel(Label7, 8760, 7800, 1575, "");
    tableLabel(Label8, 6720, 8160, 1575, "");
    tableLabel(Label5, 600, 7800, 1575, "");
    Label9.Move(7920, 8400, 855, 615);
    Label9.Font.Name = "Verdana";
    Label9.Font.Size = 8.25;
    Label9.BackColor = kTable;

    Frame1.Move(4680, 3720, 1575, 1095);
    Frame1.Caption = "Pick Suit";
    Frame1.Font.Name = "Verdana";
    Frame1.Font.Size = 8.25;
    Frame1.ForeColor = vbBlack;
    Frame1.BackColor = kTable;
    Frame1.Visible = false;
    // Below the frame's caption, which a label at 120 twips would half cover.
    Label10.Move(0, 240, 1575, 255);
    Label10.Caption = "Pass";
    Label10.Alignment = vbCenter;
    Label10.Font.Name = "Verdana";
    Label10.Font.Size = 12;
    Label10.Font.Bold = true;
    Label10.ForeColor = vbYellow;
    Label10.BackStyle = vbTransparent;  // the frame's table colour shows, its border lines too
    const std::pair<Image*, art::Suit> buttons[] = {{&Image9, art::Suit::Hearts}, {&Image6, art::Suit::Spades},
                                                   {&Image8, art::Suit::Clubs}, {&Image7, art::Suit::Diamonds}};
    double left = 120;
    for (auto [button, suit] : buttons) {
        button->Picture = platform::Picture(art::suitButton(suit));
        button->Move(left, 600);
        left += 360;
    }

    startgame.Enabled = false;
}

void euchre::Form_Load() {
    core::Randomize();
    common::lockmain();
    Image5.Visible = false;
    for (Image* button : {&Image6, &Image7, &Image8}) button->Top = Image9.Top.get();
    marks.firstactivation = true;
    common::readsetting(playtarget, kPlayToFile);
    tickplayto();
    seatplayers(common::oppnames[1]);
    // The window ends 1300 twips below its last label whatever the factor (the fit to the screen
    // adds them): sized to the label before the factor is chosen, it scales as it will show.
    Height = Label14.Top;
    setscale();
    startup();
    scalewindow();
    Image5.Visible = false;
}

// Every game's players: names for the computer seats, the user's name, a drawn dealer and no
// points yet.
void euchre::seatplayers(std::string_view partnerSecond) {
    const common::SeatNames seats = common::pickseats(partnerSecond);
    names[kPartner] = seats.top;
    names[2] = seats.right;
    names[4] = seats.left;
    Label12.Caption = names[kPartner];
    Label13.Caption = names[2];
    Label14.Caption = names[4];
    for (Image* button : {&Image6, &Image7, &Image8}) button->Move(button->Left, button->Top, Image9.Width, Image9.Height);
    names[kUser] = common::playername();
    Label11.Caption = names[kUser];
    table.dealer = core::rndnum(4);
    table.teampoints = {0, 0, 0};
}

void euchre::setscale() {
    const core::ScaleChoice choice = common::setscale(*this, {0.68f, 0.89f, {900, 1300}, {0, 1300}});
    scale = choice.scale;
    screen = choice.kind;
    if (!core::smallscreen(choice)) return;
    for (Label* label : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9, &Label10,
                         &Label11, &Label12, &Label13, &Label14})
        label->Font.Size = 7;
}

// The first deal has laid its cards at their natural size; from here every picture stretches
// into its scaled size.
void euchre::scalewindow() {
    common::scaleit(*this, scale);
    if (screen == core::ScreenKind::At640x480) Width = Width + 900;
    const double s = scale;
    for (int slot = 1; slot <= kSlots; ++slot) {
        Image& card = Image1[slot];
        card.Stretch = true;
        card.Height = card.Height * s;
        card.Width = card.Width * s;
    }
    for (int k = 1; k <= 15; ++k) {
        compcard[k].Stretch = true;
        common::scaleit(compcard[k], scale);
    }
    for (Image* picture : {&Image2, &Image3, &Image4, &Image5, &Image6, &Image7, &Image8, &Image9}) {
        picture->Stretch = true;
        picture->Width = picture->Width * s;
        picture->Height = picture->Height * s;
        picture->Top = picture->Top * s;
        picture->Left = picture->Left * s;
    }
    common::scaleit(Frame1, scale);
    for (Label* label : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9, &Label10,
                         &Label11, &Label12, &Label13, &Label14})
        common::scaleit(*label, scale);
    Height = Label14.Top + 1300;
}

void euchre::Form_Activate() {
    common::lockmain();
    if (!marks.firstactivation) return;
    // Marked first: the bidding may ask the user, and nothing must start it twice.
    marks.firstactivation = false;
    startgame_Click();
}

void euchre::Form_Unload(int&) {
    // The table is closing: its score window must not deal or start anything on the way out.
    if (euchrescore* open = loaded<euchrescore>()) open->onclose = euchrescore::OnClose::Nothing;
    common::releasemain();
    platform::unload<euchrescore>();
}

void euchre::startup() { deal(nullptr); }

void euchre::dealKnown(const std::array<std::int16_t, 24>& order) { deal(&order); }

void euchre::deal(const std::array<std::int16_t, 24>* known) {
    beginDeal(table, table.dealer);
    for (int k = 1; k <= 15; ++k) compcard[k].Visible = true;
    for (int slot = 1; slot <= kSlots; ++slot) {
        Image1[slot].Enabled = true;
        if (slot > 5) continue;
        const Place place = userRowPlace(slot, scale);
        Image1[slot].Move(place.left, place.top);
    }
    showtags();
    Image2.Visible = false;
    Image5.Visible = false;
    for (Label* count : {&Label1, &Label2, &Label3, &Label4}) count->Visible = true;
    // The first deal is made before the window scales everything, the marker and arrow included.
    const float at = table.startflag == 5 ? scale : 1.0f;
    const Place marker = dealerPlace(table.dealer, at);
    Image2.Move(marker.left, marker.top);
    pointarrow(table.turn, at);
    table.startflag = 5;
    for (int k = 1; k <= 5; ++k) common::facesizedback(compcard[k]);
    for (int k = 6; k <= 15; ++k) {
        Image& back = compcard[k];
        back.Height = compcard[1].Width.get();
        back.Width = compcard[1].Height.get();
        back.Stretch = true;
        back.Picture = LoadPicture(core::sidebackfile);
    }
    const auto dealt = [this](int slot) {
        table.dealslot = slot;
        zzz();
    };
    if (known) {
        table.cardused = {};
        for (int slot = 1; slot <= kSlots; ++slot) {
            table.deckorder[slot] = (*known)[static_cast<std::size_t>(slot - 1)];
            table.cardused[table.deckorder[slot]] = -1;
            dealt(slot);
        }
    } else {
        core::shuffledeck(table.deckorder, table.cardused, kSlots, dealt);
    }
    Image3.Picture = Image1[kTurnedSlot].Picture.get();
    finishDeal(table);
}

void euchre::zzz() {
    euchrerules::zzz(table);
    const int slot = table.dealslot;
    if (slot < 1 || slot > kSlots) return;
    const std::string face = core::euchrefacefile(table.deckorder[slot]);
    if (!face.empty()) Image1[slot].Picture = LoadPicture(face);
}

void euchre::zzz2(int slot) {
    if (slot < 1 || slot > kSlots) return;
    const std::string face = core::euchrefacefile(table.deckorder[slot]);
    if (!face.empty()) Image1[slot].Picture = LoadPicture(face);
}

void euchre::showtags() {
    for (int slot = 1; slot <= kSlots; ++slot) Image1[slot].Tag = std::to_string(table.tag[slot]);
}

void euchre::enablecards(bool on) {
    for (int slot = 1; slot <= kSlots; ++slot) Image1[slot].Enabled = on;
}

// The arrow follows the turn, hidden: its place and picture are kept up all the same.
void euchre::pointarrow(int seat, float at) {
    const Place place = arrowPlace(seat, at);
    Image5.Move(place.left, place.top);
    Image5.Picture = LoadPicture(arrowfile(seat));
    Image5.Visible = false;
}

Label& euchre::remark(int seat) {
    Label* labels[] = {&Label6, &Label7, &Label8, &Label5};
    return *labels[seat - 1];
}

Label& euchre::tricks(int seat) {
    Label* labels[] = {&Label3, &Label4, &Label1, &Label2};
    return *labels[seat - 1];
}

void euchre::clearremarks() {
    for (Label* label : {&Label5, &Label6, &Label7, &Label8}) label->Caption = "";
}

// Making trump.

void euchre::sstart() {
    newgame.Enabled = true;
    // A target may be chosen until the game's first points are scored.
    playto.Enabled = table.teampoints[1] == 0 && table.teampoints[2] == 0;
    for (int seat = 1; seat <= 4; ++seat) tricks(seat).Caption = "Tricks: 0";
    Image3.Visible = true;
    Image4.Visible = false;
    Image2.Visible = false;
    Image5.Visible = false;
    if (table.turn == kUser) {
        if (acceptsturned()) {
            useraccepts();
            Timer1.Enabled = false;
            Timer2.Enabled = false;
            Timer3.Enabled = false;
        } else {
            Label8.Caption = std::string(kPassed);
            Timer1.Enabled = true;
        }
        rainman();
    } else {
        rainman();
        Timer1.Enabled = true;
    }
    startgame.Enabled = false;
    Image5.Visible = false;
}

void euchre::rainman() { euchrerules::rainman(table); }

// The user's answer to the turned card; the question leaves the card in sight.
bool euchre::acceptsturned() {
    return MsgBox("Do you accept this card for Trump Suit?", kQuestion, "Make Trump Suit?", screenArea(Image3)) == vbYes;
}

void euchre::useraccepts() {
    const MaybeSuit turned = table.cardsuit[kTurnedSlot];
    if (!turned) return;
    makeTrump(table, *turned, kUser);
    const std::string word(core::suitword(*turned));
    MsgBox("Trump Suit is now " + word, kInformation, word);
    Image4.Picture = LoadPicture(trumpfile(*turned));
    gamestart();
}

// A computer seat makes trump; its message holds every timer of the program while it is open.
void euchre::maketrump(Suit suit, int seat, std::string_view title) {
    Image4.Picture = LoadPicture(trumpfile(suit));
    MsgBox("Trump Suit is now " + capitalised(suit), kInformation, title);
    makeTrump(table, suit, seat);
    gamestart();
}

void euchre::Timer1_Timer() {
    const BidTurn bid = roundOneTurn(table);
    if (!bid.seat) return;
    if (bid.trump) {
        Timer1.Enabled = false;
        maketrump(*bid.trump, bid.seat, capitalised(*bid.trump));
        return;
    }
    remark(bid.seat).Caption = std::string(kPassed);
    if (bid.then == BidTurn::Then::SecondRound) {
        Timer1.Enabled = false;
        nextstep();
    } else if (bid.then == BidTurn::Then::User) {
        Timer1.Enabled = false;
        askuser();
    }
}

// Seat 2 has passed in round one: the user, next, answers at once.
void euchre::askuser() {
    if (acceptsturned()) {
        useraccepts();
        return;
    }
    Label8.Caption = std::string(kPassed);
    if (table.dealer == kUser)
        nextstep();
    else
        Timer1.Enabled = true;
    table.turn = kUser;
}

void euchre::nextstep() { Timer3.Enabled = true; }

void euchre::Timer3_Timer() {
    clearremarks();
    Timer3.Enabled = false;
    Timer1.Enabled = false;
    Timer2.Enabled = true;
    Image5.Visible = false;
}

void euchre::Timer2_Timer() {
    Image3.Visible = false;
    Image5.Visible = false;
    const BidTurn bid = roundTwoTurn(table);
    if (bid.then == BidTurn::Then::User) {
        Timer2.Enabled = false;
        Frame1.Visible = true;
        return;
    }
    if (!bid.trump) {
        remark(bid.seat).Caption = std::string(kPassed);
        return;
    }
    Timer2.Enabled = false;
    maketrump(*bid.trump, bid.seat, "Trump Suit");
}

void euchre::picksuit(Suit suit, bool hideFirst) {
    if (hideFirst) Frame1.Visible = false;
    Image4.Picture = LoadPicture(trumpfile(suit));
    MsgBox("Trump Suit is now " + capitalised(suit), kInformation, capitalised(suit));
    Frame1.Visible = false;
    makeTrump(table, suit, kUser);
    gamestart();
}

void euchre::Image6_Click() { picksuit(Suit::Spades, false); }
void euchre::Image7_Click() { picksuit(Suit::Diamonds, true); }
void euchre::Image8_Click() { picksuit(Suit::Clubs, false); }
void euchre::Image9_Click() { picksuit(Suit::Hearts, false); }

void euchre::Label10_Click() {
    Frame1.Visible = false;
    Timer2.Enabled = true;
    Label8.Caption = std::string(kPassed);
}

// Play.

void euchre::gamestart() {
    Image4.Visible = true;
    Timer2.Enabled = false;
    Timer1.Enabled = false;
    Timer3.Enabled = false;
    table.alone = 0;
    Image3.Visible = false;
    makeBowers(table);
    clearremarks();
    const bool alone = MsgBox("Do you wish to play alone?", kQuestion, "Do you wish to play alone?") == vbYes;
    beginPlay(table, alone);
    showtags();
    if (table.leader != kUser) Timer4.Enabled = true;
    Image5.Visible = false;
}

void euchre::Image1_Click(int Index) {
    const int leader = table.leader;
    const UserPlay play = playUser(table, Index);
    if (!play.played) return;
    Image& card = Image1[Index];
    const Place place = trickPlace(kUser, scale);
    card.Move(place.left, place.top);
    card.ZOrder(0);
    playsound(kFlick);
    card.Enabled = false;
    for (int moved : play.shifted) Image1[moved].Left = Image1[moved].Left - scaled(kUserRowStep, scale);
    showtags();
    if (leader == kUser) {
        Timer4.Enabled = true;
        return;
    }
    enablecards(false);
    if (leader == 4)
        check();
    else
        Timer4.Enabled = true;
}

void euchre::Timer4_Timer() {
    newgame.Enabled = false;
    Image5.Visible = false;
    playsound(kFlick);
    enablecards(false);
    const PlayTurn play = computerTurn(table, [](int n) { return core::rndnum(n); });
    if (play.seat) showplayed(play);
    pointarrow(table.turn, scale);
    if (play.userNext) {
        newgame.Enabled = true;
        enablecards(true);
    }
    if (play.trickDone) {
        Timer4.Enabled = false;
        enablecards(false);
        check();
    }
}

void euchre::showplayed(const PlayTurn& play) {
    if (play.error) MsgBox("ERROR");
    if (play.slot) {
        Image& card = Image1[play.slot];
        const Place place = trickPlace(play.seat, scale);
        card.Move(place.left, place.top);
        card.Visible = true;
        card.ZOrder(0);
        zzz2(play.slot);
    }
    if (play.back >= 1 && play.back <= 15) compcard[play.back].Visible = false;
    if (play.seat == 2) Timer4.Enabled = false;
}

// The end of a trick.

void euchre::check() {
    Image5.Visible = false;
    judgeTrick(table);
    marks.sweepmoving = false;
    showtags();
    Timer4.Enabled = false;
    Timer6.Enabled = true;
}

void euchre::Timer6_Timer() {
    playsound(kPageTurn);
    Timer4.Enabled = false;
    Timer5.Enabled = true;
    Timer6.Enabled = false;
    Image5.Visible = false;
}

void euchre::Timer5_Timer() {
    Timer4.Enabled = false;
    Image5.Visible = false;
    const int winner = table.trickwinner;
    if (winner < 1 || winner > 4 || !table.trickslot[winner]) {
        Timer5.Enabled = false;
        return;
    }
    Image& lead = Image1[table.trickslot[winner]];
    if (marks.sweepmoving) {
        const Place step = sweepStep(winner, scale);
        lead.Move(lead.Left + step.left, lead.Top + step.top);
    }
    for (int seat = 1; seat <= 4; ++seat)
        if (table.trickslot[seat] && seat != winner) Image1[table.trickslot[seat]].Move(lead.Left, lead.Top);
    marks.sweepmoving = true;
    if (sweptOff(winner, {lead.Left, lead.Top}, scale)) {
        Timer5.Enabled = false;
        table.turn = winner;
        resetit();
    }
}

void euchre::resetit() {
    Timer5.Enabled = false;
    const TrickEnd end = countSweptTrick(table, playTarget(playtarget));
    tricks(end.winner).Caption = "Tricks: " + std::to_string(table.trickswon[end.winner]);
    enablecards(true);
    if (!end.handOver) {
        pointarrow(table.leader, scale);
        if (table.leader != kUser)
            Timer4.Enabled = true;
        else
            newgame.Enabled = true;  // the trick handed the turn to the user, as a computer card does
        return;
    }
    euchrescore& scores = window<euchrescore>();
    scores.onclose = euchrescore::OnClose::NextHand;
    // Opened from the menu during the hand, it shows the points the hand has just brought.
    scores.showpoints();
    switch (end.gameWinner) {
    case 1:
        MsgBox("You Win", kInformation, "You Win");
        newgame.Enabled = true;
        scores.onclose = euchrescore::OnClose::NewGame;
        break;
    case 2:
        MsgBox("You Lost", kInformation, "You Lost");
        scores.onclose = euchrescore::OnClose::NewGame;
        newgame.Enabled = true;
        break;
    default:
        break;
    }
    scores.Show();
}

// Menus.

void euchre::nnew() {
    for (Timer* timer : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6}) timer->Enabled = false;
    Image5.Visible = false;
    // A new game never starts with the last hand's suit choice still up.
    Frame1.Visible = false;
    newgame.Enabled = false;
    for (int slot = 6; slot <= kSlots; ++slot) Image1[slot].Top = -10000;
    clearremarks();
    seatplayers(common::kEuchrePartnerName);
    startup();
    startgame.Enabled = true;
    startgame_Click();
    Image5.Visible = false;
}

void euchre::newgame_Click() { nnew(); }

// The deal moves one seat on, then the next hand is dealt and its trump made.
void euchre::nexthand() {
    if (table.dealer >= 1 && table.dealer <= 4) table.dealer = nextSeat(table.dealer);
    startup();
    sstart();
}

std::array<std::string, 4> euchre::scorecaptions() const {
    return {names[kUser] + "/" + names[kPartner], names[2] + "/" + names[4],
            std::to_string(table.teampoints[1]), std::to_string(table.teampoints[2])};
}

void euchre::startgame_Click() { sstart(); }

void euchre::tickplayto() {
    const std::string& target = playtarget;
    playtoeight.Checked = target == "8";
    playtoten.Checked = target == "10";
    playtotwelve.Checked = target == "12";
}

// The file is not read back: the value written is the target from now on.
void euchre::setplayto(std::string_view value) {
    common::writesetting(playtarget, value, kPlayToFile, false);
    tickplayto();
}

void euchre::playtoeight_Click() { setplayto("8"); }
void euchre::playtoten_Click() { setplayto("10"); }
void euchre::playtotwelve_Click() { setplayto("12"); }

void euchre::score_Click() { window<euchrescore>().Show(); }
