#include "j1979/mode02.h"

bool TMode02::ReadSupported(CommandLink& link) {
    m_supported = ReadSupportedPIDs(link, QStringLiteral("02"), QStringLiteral("00"));
    return true;
}
