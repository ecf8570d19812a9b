#pragma once

// A session as the program's communication log LogFile.txt holds it: an ELM323 before a car of
// the older protocols that the connection sequence reads whole, then engine speed (1726 rpm) and
// vehicle speed (60 km/h). Its answers are the cleaned ones, packed.

#include <QFile>
#include <QString>

inline constexpr char kCommunicationLog[] =
    " \r\n"
    "************************************************* \r\n"
    "10 Dec 2026 23:12:55 UTC - Programm start\r\n"
    "10 Dec 2026 23:12:55 UTC - New Init\r\n"
    "10 Dec 2026 23:12:55 UTC - S: ATZ\r\n"
    "10 Dec 2026 23:12:55 UTC - R: ELM323 v2.0\r\n"
    "10 Dec 2026 23:12:55 UTC - S: ATE0\r\n"
    "10 Dec 2026 23:12:55 UTC - R: OK\r\n"
    "10 Dec 2026 23:12:55 UTC - S: ATL0\r\n"
    "10 Dec 2026 23:12:55 UTC - R: OK\r\n"
    "10 Dec 2026 23:12:55 UTC - S: ATI\r\n"
    "10 Dec 2026 23:12:55 UTC - R: ELM323 v2.0\r\n"
    "10 Dec 2026 23:12:55 UTC - S: 0100\r\n"
    "10 Dec 2026 23:12:55 UTC - R: 4100BE1FB813410098180000\r\n"
    "10 Dec 2026 23:12:55 UTC - S: 0100\r\n"
    "10 Dec 2026 23:12:55 UTC - R: 4100BE1FB813410098180000\r\n"
    "10 Dec 2026 23:12:55 UTC - S: 0120\r\n"
    "10 Dec 2026 23:12:55 UTC - R: 41208002A011\r\n"
    "10 Dec 2026 23:12:55 UTC - S: 0140\r\n"
    "10 Dec 2026 23:12:55 UTC - R: 414044080000\r\n"
    "10 Dec 2026 23:12:55 UTC - S: 0101\r\n"
    "10 Dec 2026 23:12:55 UTC - R: 410183076500410100000000\r\n"
    "10 Dec 2026 23:12:55 UTC - S: 011C\r\n"
    "10 Dec 2026 23:12:55 UTC - R: 411C06\r\n"
    "10 Dec 2026 23:12:55 UTC - S: 020000\r\n"
    "10 Dec 2026 23:12:55 UTC - R: 4200007E188000\r\n"
    "10 Dec 2026 23:12:55 UTC - S: 020C00\r\n"
    "10 Dec 2026 23:12:55 UTC - R: 420C001AF8\r\n"
    "10 Dec 2026 23:12:55 UTC - S: 03\r\n"
    "10 Dec 2026 23:12:55 UTC - R: 4301330171030043000000000000\r\n"
    "10 Dec 2026 23:12:55 UTC - S: 0113\r\n"
    "10 Dec 2026 23:12:55 UTC - R: 411303\r\n"
    "10 Dec 2026 23:12:55 UTC - S: 07\r\n"
    "10 Dec 2026 23:12:55 UTC - R: 47017100000000\r\n"
    "10 Dec 2026 23:12:55 UTC - S: 0900\r\n"
    "10 Dec 2026 23:12:55 UTC - R: 490001FC000000\r\n"
    "10 Dec 2026 23:12:55 UTC - S: 0901\r\n"
    "10 Dec 2026 23:12:55 UTC - R: 490105\r\n"
    "10 Dec 2026 23:12:55 UTC - S: 0902\r\n"
    "10 Dec 2026 23:12:55 UTC - R: "
    "4902010000003149020247314A43490203353434344902045237323549020532333637\r\n"
    "10 Dec 2026 23:12:55 UTC - S: 010C\r\n"
    "10 Dec 2026 23:12:55 UTC - R: 410C1AF8\r\n"
    "10 Dec 2026 23:12:55 UTC - S: 010D\r\n"
    "10 Dec 2026 23:12:55 UTC - R: 410D3C\r\n"
    "10 Dec 2026 23:12:55 UTC - Programm terminated\r\n"
    "************************************************* \r\n";

inline bool writeFixture(const QString& path, const char* content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == qint64(qstrlen(content));
}
