#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

// Takes numbers and texts from the fuzzer's bytes, front to back.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    int number(int low, int high)
    {
        unsigned value = 0;
        for (int i = 0; i < 2 && m_pos < m_size; ++i)
            value = value << 8 | m_data[m_pos++];
        return low + static_cast<int>(value % static_cast<unsigned>(high - low + 1));
    }
    bool flag() { return number(0, 1) == 1; }
    // A text of at most `max` characters drawn from the alphabet the program
    // meets: letters, accents, blanks, line ends, dots, quotes, markers.
    QString text(int max)
    {
        static const QString alphabet =
            QStringLiteral("abcde\u00e8\u00e9fghi\u00ecjklmno\u00f2pqrstu\u00f9vwxyzABC\u00c8Z    "
                           "..,;:!?'\"#\r\n0123456789-()");
        const int length = number(0, max);
        QString result;
        for (int i = 0; i < length && m_pos < m_size; ++i)
            result += alphabet.at(m_data[m_pos++] % alphabet.size());
        return result;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};
