#pragma once

#include <cstdint>

namespace orvane {

// What a remote-control client may ask of the front panel. The panel implements it on top of
// its own handlers, so a remote change obeys every rule a change from the keypad obeys.
class RemoteRig {
public:
    enum class TuneResult {
        Accepted,  // in the band: the frequency is the new VFO register and was loaded
        OutOfBand, // outside the band: nothing changed, and the panel shows no error for it
        Busy,      // switched off, standby, scanning, sweeping or a memory mode: nothing changed
    };

    virtual ~RemoteRig() = default;

    // The display value (whole hertz) of the last load into the synthesizer.
    virtual std::int32_t lastLoadHz() const = 0;
    // PWR is on.
    virtual bool isSwitchedOn() const = 0;
    // The panel would not take a typed frequency now: standby, scanning, sweeping, or M>V / V>M.
    virtual bool isBusy() const = 0;
    // As if `hz` had been typed on the keypad and ENTER pressed, without an out-of-range
    // display when it is refused. Called only while switched on and not busy; a panel that
    // cannot take it all the same answers Busy.
    virtual TuneResult tuneAsEntered(std::int32_t hz) = 0;
};

} // namespace orvane
