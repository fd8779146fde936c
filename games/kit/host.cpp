// SPDX-License-Identifier: MIT
#include "host.h"

namespace kit {

CardStack* Host::createStack(const StackSpec& spec)
{
    StackSpec copy = spec;
    return reinterpret_cast<CardStack*>(send(HM_CREATESTACK, 0, reinterpret_cast<intptr_t>(&copy)));
}

void Host::addCard(CardStack* s, Card card, bool faceDown, bool redraw)
{
    CardPlacement p{s, faceDown ? 1u : 0u, 0u, static_cast<uint32_t>(card), redraw ? 1u : 0u};
    send(HM_ADDCARD, 0, reinterpret_cast<intptr_t>(&p));
}

void Host::moveCard(CardStack* from, CardStack* to, bool faceDown, bool slide, bool redraw)
{
    CardMove m{from, to, faceDown ? 1u : 0u, slide ? static_cast<uint32_t>(TS_SLIDE) : 0u, redraw ? 1u : 0u};
    send(HM_MOVECARD, 0, reinterpret_cast<intptr_t>(&m));
}

void Host::removeCard(CardStack* s, int index)
{
    send(HM_REMOVECARD, static_cast<uintptr_t>(static_cast<uint16_t>(index)), reinterpret_cast<intptr_t>(s));
}

void Host::markTop(CardStack* s, bool marked)
{
    send(HM_MARKCARD, marked ? 1 : 0, reinterpret_cast<intptr_t>(s));
}

void Host::clearStack(CardStack* s) { send(HM_CLEARSTACK, 0, reinterpret_cast<intptr_t>(s)); }

bool Host::shuffle(std::vector<uint8_t>& bytes)
{
    return send(HM_SHUFFLE, static_cast<uintptr_t>(static_cast<uint16_t>(bytes.size())),
                reinterpret_cast<intptr_t>(bytes.data())) != 0;
}

void Host::addOption(int number, const char* text)
{
    if (number >= nextOption_) nextOption_ = number + 1;
    send(HM_ADDOPTION, static_cast<uintptr_t>(static_cast<uint16_t>(number)), reinterpret_cast<intptr_t>(text));
}

void Host::checkOption(int number, bool checked)
{
    const uint32_t word = static_cast<uint16_t>(number) | (checked ? 0x10000u : 0u);
    send(HM_CHECKOPTION, 0, static_cast<intptr_t>(word));
}

void Host::sendText(uint32_t message, const std::string& text)
{
    // The host keeps at most 127 characters.
    const std::string cut = text.substr(0, 127);
    send(message, 0, reinterpret_cast<intptr_t>(cut.c_str()));
}

}  // namespace kit
