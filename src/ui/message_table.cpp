// The built-in message table: texts 60000-60107, looked up before the string resources.
// Ids without a use of their own hold a single blank.
#include "ui/strings.h"

namespace {

constexpr const char* kUnused = " ";

const char* const kMessageTable[] = {
    /* 60000 */ "Ready ...",
    /* 60001 */ "(CreateFontIndirect): Cannot create %s %d pt. font\r\rCode %d",
    /* 60002 */ "\rError detected loading application accelerator keys\r\rCode %d",
    /* 60003 */ "\rError detected creating %s window class\r\rCode %d",
    /* 60004 */ "\rError detected opening the %s window\r\rCode %d",
    /* 60005 */ "\rError detected creating child window (ID:%d)\r\rCode %d",
    kUnused,  // 60006
    /* 60007 */ "\rError detected creating client child window\r\rCode %d",
    /* 60008 */ "\rCannot allocate memory for %s\r\rSize: %d bytes requested",
    /* 60009 */ "%s(GetDC): Error detected reading screen device context\r\rCode %d",
    /* 60010 */ "%s(LoadBitmap): Error detected loading specified picture (ID:%u)\r\rCode %d",
    /* 60011 */
    "%s(CreateCompatibleDC): Error detected creating compatible device context\r\rCode %d",
    /* 60012 */ "%s(SelectObject): Error detected selecting picture resource (ID:%u)\r\rCode %d",
    /* 60013 */ "%s(GetObject): Error detected loading bitmap object data (ID:%u)\r\rCode %d",
    kUnused,  // 60014
    kUnused,  // 60015
    kUnused,  // 60016
    kUnused,  // 60017
    kUnused,  // 60018
    kUnused,  // 60019
    /* 60020 */ "File I/O Error",
    /* 60021 */ "File: %s\r\rFile not found.",
    /* 60022 */ "File: %s\r\rThis disk file is too large to load\r\rSize: %u Bytes",
    /* 60023 */
    "File: %s\r\rThis disk file is write-protected on the drive\rNo editing is allowed for this "
    "document.",
    /* 60024 */
    "File: %s\r\rThis disk file is write protected on the drive\rWould you like to open it as "
    "Read-Only?",
    kUnused,  // 60025
    /* 60026 */ "File: %s\r\rError detected creating this disk file\r\rCode %d",
    /* 60027 */ "File: %s\r\rError detected opening this disk file\r\rCode %d",
    kUnused,  // 60028
    kUnused,  // 60029
    kUnused,  // 60030
    kUnused,  // 60031
    kUnused,  // 60032
    /* 60033 */ "File: %s\r\rError detected reading data from this disk file\r\rCode %d",
    kUnused,  // 60034
    kUnused,  // 60035
    kUnused,  // 60036
    /* 60037 */ "File: %s\r\rError detected writing data to this disk file\r\rCode %d",
    kUnused,  // 60038
    kUnused,  // 60039
    /* 60040 */ "File: %s\r\rError detected flushing buffers for this disk file\r\rCode %d",
    /* 60041 */ "File: %s\r\rError detected setting EOF mark %u on this file\r\rCode %d",
    /* 60042 */ "File: %s\r\rError detected closing this disk file\r\rCode %d",
    kUnused,  // 60043
    kUnused,  // 60044
              /* 60045 */
    "\rCannot open the MS Windows Clipboard.\rAnother application may be using it.\r\rCode %d",
    kUnused,  // 60046
    kUnused,  // 60047
              /* 60048 */
    "\rError detected creating a temporary memory\rbuffer for Clipboard operations\r\rCode %d",
    /* 60049 */
    "\rError detected accessing memory pointer\rneeded for Clipboard operations\r\rCode %d",
    kUnused,  // 60050
    /* 60051 */ "\rError detected while copying text to the Clipboard\r\rCode %d",
    /* 60052 */ "\rError detected accessing the Clipboard data\r\rCode %d",
    kUnused,  // 60053
    kUnused,  // 60054
    kUnused,  // 60055
    kUnused,  // 60056
    kUnused,  // 60057
    /* 60058 */ "File: %s\r\rError detected creating %s fonts for printing\r\rCode %d",
    /* 60059 */ "File: %s\r\rError detected starting the printer job\r\rCode %d",
    /* 60060 */ "File: %s\r\rError detected opening page %d for printing\r\rCode %d",
    /* 60061 */ "File: %s\r\rError detected closing page %d after printing\r\rCode %d",
    /* 60062 */ "File: %s\r\rError detected closing the printer job\r\rCode %d",
    kUnused,  // 60063
    kUnused,  // 60064
    kUnused,  // 60065
    /* 60066 */ "Options saved",
    kUnused,  // 60067
    /* 60068 */ "%s opened",
    /* 60069 */ "%s opened for viewing",
    kUnused,  // 60070
    /* 60071 */ "Writing %s",
    /* 60072 */ "%s saved",
    /* 60073 */ "Reading %s",
    /* 60074 */ "Saved as %s",
    /* 60075 */ "%s changes discarded",
    /* 60076 */ "%s set for viewing",
    /* 60077 */ "%s set for editing",
    kUnused,  // 60078
    kUnused,  // 60079
    /* 60080 */ "Printing %s",
    /* 60081 */ "Printing page %d",
    /* 60082 */ "%s printed",
    /* 60083 */ "%s printing canceled",
    /* 60084 */ "Find '%s'",
    /* 60085 */ "Replace '%s' with '%s'",
    /* 60086 */ "Replacing '%s' with '%s' ...",
    /* 60087 */ "Replaced '%s' with '%s' %d time%s",
    /* 60088 */ "Cannot find '%s'",
    kUnused,  // 60089
    kUnused,  // 60090
    kUnused,  // 60091
    kUnused,  // 60092
    kUnused,  // 60093
    kUnused,  // 60094
    kUnused,  // 60095
    kUnused,  // 60096
    kUnused,  // 60097
    kUnused,  // 60098
    kUnused,  // 60099
    kUnused,  // 60100
    /* 60101 */ "Module: %s\r\rError detected loading this DLL library Module\rCode %d",
    kUnused,  // 60102
    kUnused,  // 60103
    /* 60104 */ "Help Topic ID: %u\r\rTopic not found in help file.\rCode: %d",
    kUnused,  // 60105
    kUnused,  // 60106
    kUnused,  // 60107
};

static_assert(sizeof(kMessageTable) / sizeof(kMessageTable[0]) ==
                  kMessageTableLast - kMessageTableFirst + 1,
              "one text for every id from 60000 to 60107");

}  // namespace

const char* MessageTableText(UINT id) {
  if (id < kMessageTableFirst || id > kMessageTableLast) return nullptr;
  return kMessageTable[id - kMessageTableFirst];
}
