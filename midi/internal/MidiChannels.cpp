#include "MidiChannels.h"

#include <algorithm>

namespace midi {

MidiChannels::Outcome MidiChannels::apply(uint32_t message, const PresetCatalogue& catalogue) {
    const int status = static_cast<int>(message & 0xFF);
    if (status == 0xFF) {
        reset();
        return {Effect::Reset, 0, std::nullopt};
    }
    const int number = status & 0x0F;
    const int data1 = static_cast<int>((message >> 8) & 0x7F);
    const int data2 = static_cast<int>((message >> 16) & 0x7F);
    Channel& channel = channels_[static_cast<std::size_t>(number)];
    const bool percussion = number == PercussionChannel;
    switch (status & 0xF0) {
    case 0xB0:
        // Bank select: the coarse value names the bank; the kits ignore it.
        if (data1 == 0 && !percussion)
            channel.bank = data2;
        return {};
    case 0xC0:
        channel.program = data1;
        channel.chosen = true;
        channel.selected = catalogue.resolve(channel.bank, channel.program, percussion);
        return {Effect::Select, number, channel.selected};
    case 0x90:
        if (data2 == 0 || channel.chosen)
            return {};
        // The sound a channel starts with, whatever bank was named since.
        channel.chosen = true;
        channel.selected = catalogue.resolve(0, 0, percussion);
        return {Effect::Select, number, channel.selected};
    default:
        return {};
    }
}

MidiChannels::Outcome MidiChannels::applyLong(const uint8_t* data, std::size_t size) {
    if (!isReset(data, size))
        return {};
    reset();
    return {Effect::Reset, 0, std::nullopt};
}

void MidiChannels::reset() {
    channels_.fill(Channel{});
}

std::optional<PresetId> MidiChannels::selected(int channel) const {
    if (channel < 0 || channel >= 16)
        return std::nullopt;
    return channels_[static_cast<std::size_t>(channel)].selected;
}

bool MidiChannels::isReset(const uint8_t* data, std::size_t size) {
    if (data == nullptr || size == 0)
        return false;
    if (data[0] == 0xF0) {
        data += 1;
        size -= 1;
    }
    if (size > 0 && data[size - 1] == 0xF7)
        size -= 1;
    const auto is = [&](std::initializer_list<int> pattern, std::size_t skip) {
        // `skip` is the index of the device number, which may be anything.
        if (size != pattern.size())
            return false;
        std::size_t i = 0;
        for (int byte : pattern) {
            if (i != skip && data[i] != byte)
                return false;
            ++i;
        }
        return true;
    };
    // General MIDI on (level 1 or 2), the GS reset, the XG system on.
    return is({0x7E, 0, 0x09, 0x01}, 1) || is({0x7E, 0, 0x09, 0x03}, 1) ||
           is({0x41, 0, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41}, 1) ||
           (size == 7 && data[0] == 0x43 && (data[1] & 0xF0) == 0x10 &&
            is({0x43, 0, 0x4C, 0x00, 0x00, 0x7E, 0x00}, 1));
}

} // namespace midi
