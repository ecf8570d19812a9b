#pragma once

class SettingsStore;

// How the program talks to the adapter beyond the serial line: whether the baud rate is searched
// for, the vehicle protocol an ELM327 is set to, and the two answer time-outs.
struct AdapterOptions {
    static constexpr int kDefaultSilenceMs = 2500;
    static constexpr int kMinSilenceMs = 500;
    static constexpr int kMaxSilenceMs = 10000;
    // AT ST takes 4 ms steps from 1 to FF.
    static constexpr int kMaxChipTimeoutMs = 0xFF * 4;

    // Automatic: the stored rate first, then the rates adapters are commonly set to; the one that
    // answered is stored. Cheap adapters leave the factory at 9600, 38400 or 115200 and the label
    // rarely says which, so a workshop plugging in one adapter after another wants the search.
    bool automaticBaud = true;
    int protocol = 0;      // 0: the chip's automatic search; 1 to 12 (hex 1 to C): ATSP n
    int chipTimeoutMs = 0; // 0: the chip's own; else sent as AT ST (4 to 1020 ms)
    int silenceTimeoutMs = kDefaultSilenceMs; // how long the program waits for a prompt

    bool operator==(const AdapterOptions&) const = default;
};

// Reads the four values; a missing one is the default, a value out of range (a hand-edited file)
// is the default too, with a warning in the log. Writes nothing.
AdapterOptions readAdapterOptions(const SettingsStore& store);
// Writes the four values into the open store.
void writeAdapterOptions(const AdapterOptions& options, SettingsStore& store);
// Opens the store (creating it), writes the four values and closes it: the options page's pattern.
void storeAdapterOptions(const AdapterOptions& options, SettingsStore& store);
