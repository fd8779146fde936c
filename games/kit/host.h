// SPDX-License-Identifier: MIT
//
// The host's service messages as plain calls. Every change of the table goes
// through here, so the host takes its undo snapshot and redraws.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cards.h"
#include "host_link.h"

namespace kit {

class Host {
public:
    void attach(TSWindow window) { window_ = window; }
    bool attached() const { return window_ != nullptr; }

    CardStack* createStack(const StackSpec& spec);
    void addCard(CardStack* s, Card card, bool faceDown, bool redraw = false);
    // Moves the top card of `from` onto `to`; nothing happens when `from` is empty.
    void moveCard(CardStack* from, CardStack* to, bool faceDown, bool slide = true, bool redraw = true);
    void turnTop(CardStack* s, bool faceDown, bool redraw = true) { moveCard(s, s, faceDown, false, redraw); }
    void removeCard(CardStack* s, int index);
    void markTop(CardStack* s, bool marked);
    void clearStack(CardStack* s);
    // Shuffles the bytes with the host's generator (values 0..254).
    bool shuffle(std::vector<uint8_t>& bytes);
    void setScore(const std::string& text) { sendText(HM_SETSCORE, text); }
    void setMessage(const std::string& text) { sendText(HM_SETMESSAGE, text); }
    void gameWon() { send(HM_GAMEWON, 0, 0); }
    void gameLost() { send(HM_GAMELOST, 0, 0); }
    void addOption(int number, const char* text);
    // The host numbers option items from 0 up: the next free number.
    int nextOption() const { return nextOption_; }
    void forgetOptions() { nextOption_ = 0; }
    void checkOption(int number, bool checked);
    bool autoPlayOn() { return send(HM_GETAUTOPLAY, 0, 0) != 0; }

private:
    intptr_t send(uint32_t message, uintptr_t wParam, intptr_t lParam)
    {
        return SendToHost(window_, message, wParam, lParam);
    }
    void sendText(uint32_t message, const std::string& text);

    TSWindow window_ = nullptr;
    int nextOption_ = 0;
};

}  // namespace kit
