// The factory image after the start-up: every block's rows against their
// expected bytes, the untouched rows and the alignment defaults.
#include "memory/AdjustDefaults.h"
#include "memory/BandTable.h"
#include "memory/FactoryImage.h"
#include "memory/MemoryImage.h"
#include "memory/OptionFields.h"

#include <QtTest>

using Row = QList<int>;
Q_DECLARE_METATYPE(Row)

namespace {
Row imageRow(int r)
{
    Row row;
    for (int c = 0; c < 16; ++c)
        row << MemoryImage[r][c];
    return row;
}

Row adjustRow(int r)
{
    Row row;
    for (int c = 0; c < 16; ++c)
        row << AdjustImage[r][c];
    return row;
}
} // namespace

class TestFactoryImage : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        resetMemoryState();
        BuildSharedTables();
        BuildFactoryImage();
    }

    void startUpRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<Row>("bytes");
        auto row = [](int r, const char *what, Row bytes) {
            QTest::addRow("%d %s", r, what) << r << bytes;
        };
        row(0, "channel 0 155.025 CTCSS 67.0", {0x00, 0x25, 0x50, 0x15, 0x00, 0x25, 0x50, 0x15, 0x9E, 0x02, 0x9E, 0x02, 0x00, 0x00, 0x00, 0x04});
        row(1, "channel 1 136.1 CTCSS 100.0", {0x00, 0x00, 0x61, 0x13, 0x00, 0x00, 0x61, 0x13, 0xE8, 0x03, 0xE8, 0x03, 0x00, 0x00, 0x00, 0x04});
        row(2, "channel 2 173.95 CTCSS 127.3", {0x00, 0x50, 0x39, 0x17, 0x00, 0x50, 0x39, 0x17, 0xF9, 0x04, 0xF9, 0x04, 0x00, 0x00, 0x00, 0x04});
        row(3, "channel 3 400.025 CTCSS 203.5", {0x00, 0x25, 0x00, 0x40, 0x00, 0x25, 0x00, 0x40, 0xF3, 0x07, 0xF3, 0x07, 0x00, 0x00, 0x00, 0x04});
        row(4, "channel 4 479.95 no tone", {0x00, 0x50, 0x99, 0x47, 0x00, 0x50, 0x99, 0x47, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x04});
        row(5, "channel 5 436.5 CTCSS 250.3", {0x00, 0x00, 0x65, 0x43, 0x00, 0x00, 0x65, 0x43, 0xC7, 0x09, 0xC7, 0x09, 0x00, 0x00, 0x00, 0x04});
        row(6, "channel 6 155.5 D754I", {0x00, 0x00, 0x55, 0x15, 0x00, 0x00, 0x55, 0x15, 0xD2, 0x00, 0xD2, 0x00, 0x00, 0x00, 0x00, 0x04});
        row(7, "channel 7 empty", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        row(198, "channel 198 empty", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        row(199, "channel 199 480.625 no tone", {0x00, 0x25, 0x06, 0x48, 0x00, 0x25, 0x06, 0x48, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x04});
        row(200, "gap after channels", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(223, "last gap row before options", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(224, "option block bytes 0-15", {0, 3, 5, 0, 0, 3, 0, 0, 0, 1, 0, 0, 0, 0, 3, 0});
        row(225, "option block bytes 16-31", {1, 0, 0, 0, 0, 5, 0, 2, 0, 1, 0, 0, 0, 0, 0, 5});
        row(226, "option block bytes 32-47", {5, 0, 2, 4, 5, 4, 6, 3, 0, 0, 0, 0, 0, 2, 2, 0});
        row(227, "option block bytes 48-63", {10, 1, 5, 0, 20, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        row(228, "option block bytes 64-79", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        row(229, "option block bytes 80-95", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        row(230, "option block bytes 96-111", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        row(231, "option block bytes 112-127", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        row(232, "option block bytes 128-143", {0, 0, 0, 0, 31, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        row(233, "option block bytes 144-159", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        row(234, "option block bytes 160-175", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        row(235, "option block bytes 176-191", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        row(236, "option block bytes 192-207", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        row(237, "option block bytes 208-223", {1, 2, 3, 4, 5, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(238, "option block bytes 224-239", {2, 3, 4, 5, 6, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(239, "option block bytes 240-255", {3, 4, 5, 6, 7, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(240, "frequency mode A", {1, 3, 6, 0, 2, 5, 0, 0, 0, 1, 0, 6, 5, 5, 0, 0});
        row(241, "frequency mode A options", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255});
        row(242, "frequency mode B", {1, 4, 5, 6, 2, 5, 0, 0, 0, 0, 1, 6, 2, 5, 0, 0});
        row(243, "frequency mode B options", {0, 0, 0, 0, 14, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255});
        row(244, "frequency mode C", {4, 5, 0, 0, 2, 5, 0, 0, 0, 1, 0, 6, 5, 5, 0, 0});
        row(245, "frequency mode C options", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255});
        row(246, "frequency mode D", {4, 6, 0, 6, 2, 5, 0, 0, 0, 0, 1, 6, 2, 5, 0, 0});
        row(247, "frequency mode D options", {0, 0, 0, 0, 14, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255});
        row(248, "option area gap 248", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(253, "option area gap 253", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(254, "power-on text", {32, 77, 111, 100, 101, 108, 45, 90, 81, 55, 51, 53, 48, 32, 32, 255});
        row(255, "option area gap 255", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(256, "channel name 0", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(258, "channel name 2", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(455, "channel name 199", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(456, "gap before 5-tone tables 456", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(511, "gap before 5-tone tables 511", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(512, "5-tone Hz low std 0", {189, 100, 173, 251, 78, 166, 4, 104, 211, 68, 96, 162, 199, 223, 62, 31});
        row(522, "5-tone Hz low std 10", {88, 229, 114, 255, 140, 25, 166, 51, 192, 77, 103, 129, 218, 244, 203, 67});
        row(523, "5-tone Hz low std 11", {211, 135, 64, 255, 195, 140, 89, 42, 254, 214, 0, 0, 0, 0, 38, 0});
        row(526, "5-tone Hz low std 14", {145, 19, 169, 63, 213, 107, 1, 151, 45, 195, 0, 0, 0, 0, 231, 0});
        row(527, "5-tone table standard 15 row 527", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(528, "5-tone Hz high std 0", {7, 4, 4, 4, 5, 5, 6, 6, 6, 7, 9, 3, 8, 3, 8, 4});
        row(538, "5-tone Hz high std 10", {2, 2, 3, 3, 4, 5, 5, 6, 6, 7, 8, 9, 7, 8, 1, 4});
        row(539, "5-tone Hz high std 11", {3, 3, 3, 2, 2, 2, 2, 2, 1, 1, 0, 0, 0, 0, 4, 0});
        row(542, "5-tone Hz high std 14", {2, 3, 3, 4, 4, 5, 6, 6, 7, 7, 0, 0, 0, 0, 1, 0});
        row(543, "5-tone table standard 15 row 543", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(544, "5-tone count low std 0", {204, 228, 195, 194, 225, 31, 119, 233, 114, 21, 87, 43, 116, 147, 150, 44});
        row(554, "5-tone count low std 10", {93, 237, 119, 86, 177, 13, 31, 182, 178, 251, 59, 30, 131, 28, 113, 242});
        row(555, "5-tone count low std 11", {15, 110, 35, 33, 120, 38, 65, 202, 230, 113, 0, 0, 0, 0, 237, 0});
        row(558, "5-tone count low std 14", {177, 213, 219, 20, 180, 70, 132, 63, 89, 188, 0, 0, 0, 0, 136, 0});
        row(559, "5-tone table standard 15 row 559", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(560, "5-tone count high std 0", {19, 34, 32, 30, 28, 27, 25, 23, 22, 21, 16, 42, 17, 39, 18, 37});
        row(570, "5-tone count high std 10", {65, 52, 44, 38, 33, 30, 27, 24, 22, 20, 18, 16, 19, 17, 85, 35});
        row(571, "5-tone count high std 11", {40, 43, 47, 51, 55, 60, 65, 70, 76, 83, 0, 0, 0, 0, 36, 0});
        row(574, "5-tone count high std 14", {59, 49, 41, 36, 31, 28, 25, 23, 21, 19, 0, 0, 0, 0, 80, 0});
        row(575, "5-tone table standard 15 row 575", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(576, "5-tone standard 0", {8, 10, 14, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(577, "5-tone standard 1", {5, 10, 14, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(585, "5-tone standard 9", {2, 10, 14, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(586, "5-tone standard 10", {1, 10, 14, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(587, "5-tone standard 11", {8, 10, 14, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(589, "5-tone standard 13", {5, 10, 14, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(590, "5-tone standard 14", {2, 10, 14, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(591, "5-tone unused row", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(592, "5-tone encode 1", {1, 2, 3, 4, 5, 3, 4, 5, 6, 7, 5, 6, 7, 8, 9, 0});
        row(593, "5-tone encode 2 empty", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(605, "5-tone encode 14 empty", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(606, "5-tone encode 15", {2, 3, 4, 5, 6, 4, 5, 6, 7, 8, 6, 7, 8, 9, 0, 14});
        row(607, "5-tone settings", {20, 20, 20, 0, 255, 255, 255, 255, 0, 1, 6, 59, 255, 255, 255, 255});
        row(608, "gap before DTMF 608", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(655, "gap before DTMF 655", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(656, "DTMF encode 1", {1, 2, 3, 4, 5, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(657, "DTMF encode 2 empty", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(669, "DTMF encode 14 empty", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(670, "DTMF encode 15", {5, 4, 3, 2, 1, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(671, "DTMF encode settings", {3, 3, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(672, "DTMF function code 0", {1, 10, 1, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(673, "DTMF function code 1", {1, 10, 2, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(674, "DTMF function code 2", {1, 10, 3, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(675, "DTMF function code 3", {1, 10, 4, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(676, "DTMF function code 4", {1, 10, 5, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(677, "DTMF function code 5", {1, 10, 6, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(678, "DTMF unused 678", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(684, "DTMF unused 684", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(685, "DTMF master ID", {1, 10, 10, 10, 1, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(686, "DTMF vice ID", {1, 10, 10, 10, 2, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(687, "DTMF decode settings", {1, 31, 3, 0, 11, 12, 4, 159, 255, 255, 255, 255, 255, 255, 255, 255});
        row(688, "gap before 2-tone 688", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(719, "gap before 2-tone 719", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(720, "2-tone encode 1", {0xBD, 0x07, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x64, 0x04, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        row(721, "2-tone encode 2", {0x4E, 0x05, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xA6, 0x05, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        row(722, "2-tone encode 3", {0x04, 0x06, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x68, 0x06, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        row(723, "2-tone encode 4 empty", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        row(730, "2-tone encode 11 empty", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        row(731, "2-tone encode 12", {0x98, 0x08, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xCA, 0x03, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        row(732, "2-tone encode 13", {0x24, 0x04, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x88, 0x04, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        row(733, "2-tone encode 14", {0x78, 0x05, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFA, 0x05, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        row(734, "2-tone encode 15", {0x86, 0x06, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x26, 0x07, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        row(735, "2-tone encode settings", {0x3C, 0x3C, 0x1E, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        row(736, "2-tone decode entry 1", {0x00, 0x01, 0x01, 0x04, 0x02, 0x02, 0x08, 0x03, 0x03, 0x09, 0x00, 0x04, 0xFF, 0xFF, 0xFF, 0xFF});
        row(737, "2-tone decode entry 2", {0x00, 0x01, 0x01, 0x04, 0x02, 0x02, 0x08, 0x03, 0x03, 0x09, 0x00, 0x04, 0xFF, 0xFF, 0xFF, 0xFF});
        row(738, "2-tone decode entry 3 empty", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        row(748, "2-tone decode entry 13 empty", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        row(749, "2-tone decode entry 14", {0x00, 0x01, 0x01, 0x04, 0x02, 0x02, 0x08, 0x03, 0x03, 0x09, 0x00, 0x04, 0xFF, 0xFF, 0xFF, 0xFF});
        row(750, "2-tone decode entry 15", {0x09, 0x00, 0x04, 0x08, 0x03, 0x03, 0x04, 0x02, 0x02, 0x00, 0x01, 0x01, 0xFF, 0xFF, 0xFF, 0xFF});
        row(751, "2-tone row before decode tones", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        row(752, "2-tone decode tones 1", {0xBD, 0x07, 0x64, 0x04, 0xAD, 0x04, 0xFB, 0x04, 0xCC, 0x13, 0xE4, 0x22, 0xC4, 0x20, 0xC3, 0x1E});
        row(753, "2-tone decode tones 2", {0x4E, 0x05, 0xA6, 0x05, 0x04, 0x06, 0x68, 0x06, 0xE1, 0x1C, 0x1F, 0x1B, 0x77, 0x19, 0xEA, 0x17});
        row(754, "2-tone decode tones 3 empty", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        row(764, "2-tone decode tones 13 empty", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        row(765, "2-tone decode tones 14", {0x98, 0x08, 0xCA, 0x03, 0x24, 0x04, 0x88, 0x04, 0xD4, 0x11, 0x6F, 0x28, 0x00, 0x25, 0xCF, 0x21});
        row(766, "2-tone decode tones 15", {0x78, 0x05, 0xFA, 0x05, 0x86, 0x06, 0x26, 0x07, 0x03, 0x1C, 0xA2, 0x19, 0x7C, 0x17, 0x6E, 0x15});
        row(767, "2-tone decode settings", {0x3B, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        row(768, "FM channel 1 88.9", {0, 8, 8, 9, 0, 0, 0, 0, 77, 85, 83, 73, 67, 255, 255, 255});
        row(769, "FM channel 2 90.4", {0, 9, 0, 4, 0, 0, 0, 0, 78, 69, 87, 83, 49, 255, 255, 255});
        row(770, "FM channel 3 empty", {0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255});
        row(771, "FM channel 4 92.3", {0, 9, 2, 3, 0, 0, 0, 0, 78, 69, 87, 83, 50, 255, 255, 255});
        row(772, "FM channel 5 empty", {0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255});
        row(773, "FM channel 6 95.5", {0, 9, 5, 5, 0, 0, 0, 0, 83, 80, 79, 82, 84, 255, 255, 255});
        row(774, "FM channel 7 empty", {0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255});
        row(775, "FM channel 8 96.9", {0, 9, 6, 9, 0, 0, 0, 0, 84, 65, 76, 75, 49, 255, 255, 255});
        row(776, "FM channel 9 empty", {0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255});
        row(777, "FM channel 10 98.3", {0, 9, 8, 3, 0, 0, 0, 0, 74, 65, 90, 90, 255, 255, 255, 255});
        row(778, "FM channel 11 empty", {0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255});
        row(779, "FM channel 12 103.9", {1, 0, 3, 9, 0, 0, 0, 0, 82, 79, 67, 75, 49, 255, 255, 255});
        row(780, "FM channel 13 empty", {0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255});
        row(781, "FM channel 14 100.7", {1, 0, 0, 7, 0, 0, 0, 0, 80, 79, 80, 83, 49, 255, 255, 255});
        row(782, "FM channel 15 empty", {0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255});
        row(783, "FM channel 16 105.9", {1, 0, 5, 9, 0, 0, 0, 0, 67, 73, 84, 89, 49, 255, 255, 255});
        row(784, "unused row 784", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(787, "unused row 787", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(788, "unused row 788", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(960, "unused row 960", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(991, "unused row 991", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(1023, "unused row 1023", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
        row(1024, "unused row 1024", {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255});
    }
    void startUpRows()
    {
        QFETCH(int, row);
        QFETCH(Row, bytes);
        QCOMPARE(imageRow(row), bytes);
    }

    // Every radio byte is a byte; column 16 stays 0 from program start.
    void everyCellIsAByteAndColumn16Untouched()
    {
        for (int r = 0; r < ImageRows; ++r) {
            for (int c = 0; c < 16; ++c)
                QVERIFY2(MemoryImage[r][c] >= 0 && MemoryImage[r][c] <= 255,
                         qPrintable(QStringLiteral("row %1 col %2").arg(r).arg(c)));
            QCOMPARE(MemoryImage[r][16], qint16(0));
        }
    }

    // Rows that no default routine writes hold 255 in every column.
    void unwrittenStretchesAreFF_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("after channels") << 200 << 223;
        QTest::newRow("option area gap") << 248 << 253;
        QTest::newRow("option area last row") << 255 << 255;
        QTest::newRow("channel names") << 256 << 455;
        QTest::newRow("after names") << 456 << 511;
        QTest::newRow("before DTMF") << 608 << 655;
        QTest::newRow("DTMF unused") << 678 << 684;
        QTest::newRow("before 2-tone") << 688 << 719;
        QTest::newRow("after FM") << 784 << 1024;
    }
    void unwrittenStretchesAreFF()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        for (int r = first; r <= last; ++r)
            QCOMPARE(imageRow(r), Row(16, 255));
    }

    void optionValuesMatchTheImage()
    {
        for (int i = 0; i < 256; ++i)
            QCOMPARE(OptionValues[i], MemoryImage[224 + i / 16][i % 16]);
    }

    void alignmentRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<Row>("values");
        const int power[8] = {60, 50, 40, 63, 30, 20, 10, 15};
        for (int r = 0; r < 8; ++r)
            QTest::addRow("power row %d", r) << r << Row(16, power[r]);
        QTest::newRow("VHF squelch levels")
            << 8 << Row{38, 35, 36, 37, 38, 39, 41, 43, 45, 48, 48, 48, 48, 48, 48, 48};
        QTest::newRow("VHF squelch offsets")
            << 9 << Row{8, 8, 8, 5, 5, 5, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0};
        for (int r : {10, 12, 14}) {
            QTest::addRow("UHF squelch levels %d", r)
                << r << Row{38, 31, 32, 33, 34, 35, 36, 37, 39, 41, 41, 41, 41, 41, 41, 41};
            QTest::addRow("UHF squelch offsets %d", r + 1)
                << r + 1 << Row{1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        }
        QTest::newRow("deviation and drive")
            << 16 << Row{60, 21, 16, 9, 15, 15, 15, 12, 12, 2, 2, 2, 3, 50, 0, 0};
        for (int r = 17; r <= 23; ++r)
            QTest::addRow("unused %d", r) << r << Row(16, 0);
        QTest::newRow("VHF limits") << 24 << Row{1, 3, 6, 1, 7, 9, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("UHF0 limits") << 25 << Row{1, 3, 6, 1, 7, 9, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("UHF1 limits") << 26 << Row{4, 0, 0, 4, 8, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("UHF2 limits") << 27 << Row{4, 0, 0, 4, 8, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0};
        for (int r = 28; r <= 30; ++r)
            QTest::addRow("unused %d", r) << r << Row(16, 0);
        QTest::newRow("passwords")
            << 31 << Row{32, 32, 32, 32, 32, 32, 48, 48, 48, 48, 48, 48, 0, 0, 0, 0};
    }
    void alignmentRows()
    {
        QFETCH(int, row);
        QFETCH(Row, values);
        QCOMPARE(adjustRow(row), values);
        QCOMPARE(AdjustDefaults[row][16], qint16(0));
    }

    void squelchRowsAndOutsideCells()
    {
        QCOMPARE(SquelchLevelRows, (std::array<qint16, 4>{8, 10, 12, 14}));
        QCOMPARE(SquelchOffsetRows, (std::array<qint16, 4>{9, 11, 13, 15}));
        QCOMPARE(adjustRow(32), Row(16, 0));
    }

    void sharedTablesBuilt()
    {
        QCOMPARE(OptionFieldByte(OptionField::Combo_TDR_AB), 48);
        QCOMPARE(OptionFieldByte(OptionField::Combo_Vol), int(NoOptionByte));
        QCOMPARE(BandRangeNames[2], QStringLiteral("VHF2/UHF2"));
    }

    // Running the start-up defaults again gives the same image.
    void defaultsAreRepeatable()
    {
        const auto first = MemoryImage;
        BuildFactoryImage();
        QVERIFY(MemoryImage == first);
    }
};

QTEST_MAIN(TestFactoryImage)
#include "tst_factoryimage.moc"
