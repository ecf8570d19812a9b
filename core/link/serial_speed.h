#pragma once

// Sets input and output speed of a terminal to any baud rate, including the old Windows rates
// (14400, 56000, 128000, 256000) that have no termios constant. Kept apart because the kernel's
// termios2 header cannot share a file with <termios.h>.
namespace serial_speed {
bool apply(int fd, int baud);
// The output speed the terminal is set to; -1 when it cannot be read. On the master side of a
// pseudo-terminal this is the speed its client set on the other side.
int current(int fd);
} // namespace serial_speed
