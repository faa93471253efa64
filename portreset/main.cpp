// Trellin: run once at log-on so that a PC which powers up with pin 1 of its parallel ports high
// does not switch the daughtercard on before Orvane runs. Control value 1 drives pin 1 low on the
// two usual ports (LPT1 at 0x378, LPT2 at 0x278); LPT3 is left alone. A missing port is not an
// error: nothing is reported and the program ends as always.

#include "synth/portio/PortIoFactory.h"

int main()
{
    constexpr std::uint16_t kLpt1Control = 0x378 + 2;
    constexpr std::uint16_t kLpt2Control = 0x278 + 2;

    const auto port = orvane::openPortIo(orvane::PortIoOptions::fromEnvironment(), {});
    port->out32(kLpt1Control, 1);
    port->out32(kLpt2Control, 1);
    port->flush();
    return 0;
}
