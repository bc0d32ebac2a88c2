#include "games/euchre/euchre_turns.h"

#include "games/euchre/euchre_bidding.h"
#include "games/euchre/euchre_scoring.h"

namespace euchrerules {

BidTurn roundOneTurn(EuchreTable& t) {
    const int seat = t.turn;
    if (seat == kUser) {
        t.turn = 4;
        return {};
    }
    const MaybeSuit turned = t.cardsuit[kTurnedSlot];
    if (turned && acceptsTurned(t, seat)) return {seat, turned};
    if (seat == t.dealer) return {seat, std::nullopt, BidTurn::Then::SecondRound};
    if (seat == 2) return {seat, std::nullopt, BidTurn::Then::User};
    t.turn = nextSeat(seat);
    return {seat, std::nullopt, BidTurn::Then::Next};
}

BidTurn roundTwoTurn(EuchreTable& t) {
    t.turn = nextSeat(t.turn);
    if (t.turn == kUser) return {kUser, std::nullopt, BidTurn::Then::User};
    return {t.turn, roundTwoSuit(t, t.turn)};
}

void makeTrump(EuchreTable& t, Suit suit, int seat) {
    t.trump = suit;
    t.maker = seat;
}

PlayTurn computerTurn(EuchreTable& t, const Draw& rndnum) {
    PlayTurn play;
    const int seat = t.turn;
    if (seat == 1 || seat == 2 || seat == 4) {
        const ComputerCard choice = chooseCard(t, seat, rndnum);
        play.seat = seat;
        play.slot = choice.slot;
        play.error = choice.error;
        play.back = recordComputerCard(t, seat, choice.slot);
    }
    play.userNext = t.turn == kUser;
    play.trickDone = t.turn == t.leader;
    return play;
}

TrickEnd countSweptTrick(EuchreTable& t, int target) {
    TrickEnd end{t.turn, countTrick(t), 0};
    if (!end.handOver) return end;
    scoreHand(t);
    end.gameWinner = gameWinner(t, target);
    return end;
}

}  // namespace euchrerules
