#include "cli/help.h"

namespace {

constexpr const char* kOverview = R"(usage: q6 COMMAND [ARGUMENTS] [OPTIONS]

Finds and sets up the Q6 network storage arrays on this computer's network,
by the protocol and the rules of the setup wizard.

Commands:
  find     list the arrays that answer a search
  show     one array's details, or its settings string as received
  set      set one array's host name, addresses, time zone, date and time
  apply    set many arrays from a plan (CSV), after checking it whole
  zones    the time zone table: each row and the zone word set writes

  q6 COMMAND --help    what a command does and takes
  q6 --version

)";

constexpr const char* kArrayText =
    R"(ARRAY is an array's MAC address (any case), its address (nwk.ipaddr as
reported) or its host name, and must name exactly one array found.
)";

constexpr const char* kTextRules =
    R"(Texts: the arrays keep theirs in code page 936 (GBK); q6 writes them as
UTF-8, a byte that starts no character and a control character as \xHH, a
backslash as \\. Arguments and plans are read the same way, so what q6 wrote
reads back as the same bytes. A password is taken as it is, a backslash too.
)";

constexpr const char* kPasswordRules =
    R"(The password (the array checks it before each save; at most 16 bytes in code
page 936) is never an argument: the first line of --password-file FILE, else
the environment variable Q6_PASSWORD, else typed without echo at the terminal.
)";

constexpr const char* kSendRules =
    R"(The changes are shown first, the value as reported beside the new one; at a
terminal q6 asks once before sending. Without a terminal nothing is sent
without --yes.
  --yes               send without asking
  --dry-run           show the changes, send nothing
  --password-file F   the password: the file's first line
)";

constexpr const char* kExitCodes = R"(Exit codes:
  0  done
  1  some rows of a plan failed or their arrays were not found (the others
     were applied)
  2  usage error; also: no terminal to ask and no --yes, no password
  3  no array found, or ARRAY names none or several
  4  refused before sending (a bad value, an address two arrays answer for,
     too long): not even the password check went out
  5  the array refused the password
  6  no answer in time (5 s for the password check, 15 s for the save)
  7  UDP port 1211 is in use by another program, the setup wizard for one
  8  the request could not be sent (no adapter, the array's adapter gone,
     a socket error)
)";

constexpr const char* kFind = R"(usage: q6 find [--wait SECONDS] [--json | --csv]

Searches through every network adapter, listens 0.8 s (or SECONDS) for the
arrays' answers, and lists every array once: host name, address, mode
(dhcp only for the exact word "dhcp", as the wizard reads it), netmask,
gateway, DNS, MAC, date, time, time zone, and VIA, this computer's address
the array answered on. An address another array answers for too is marked
"*": such arrays must be connected one at a time to be set up.
  --json   one object per array with those fields, "shared_address" and the
           whole settings string ("settings")
  --csv    a plan of the arrays as they are, for q6 apply: the columns
           mac,host_name,mode,ip,netmask,gateway,dns,time_zone (no clock, so
           that the plan fed back unchanged changes nothing)
Exits 3 when no array answers.

)";

constexpr const char* kShow = R"(usage: q6 show ARRAY [--raw | --json]

One array's details.
  --raw    its settings string exactly as received, raw bytes
  --json   as one object of q6 find --json

)";

constexpr const char* kSet =
    R"(usage: q6 set ARRAY [VALUES] [--yes] [--dry-run] [--password-file FILE]

Checks the password with the array, then sends it one SET: its own settings
string with only the named values changed, every other byte as reported. A
value equal to the reported one changes nothing; with nothing to change
nothing is sent. Date and time, unless named, are the array's own clock run
on to the moment of the save.
Values:
  --host-name NAME    lowered, at most 15 bytes in code page 936, no "&" or "="
  --dhcp              the address from DHCP; the array keeps its addresses
  --fixed             a fixed address (written "none"), with:
  --ip A, --netmask A, --gateway A, --dns A
                      dotted IPv4 addresses; 0.0.0.0 writes an empty value
  --time-zone WORD    a zone word of the table (q6 zones)
  --date YYYY/MM/DD   --time HH:MM:SS
  --clock now         this computer's date and time when the SET is built
The addresses go to an array with a fixed address only: to one on DHCP give
--fixed too.
An array whose address another array answers for too is refused, and so is
a new address another array answers for: requests name an array by its
address, so both would take them.

)";

constexpr const char* kApply =
    R"(usage: q6 apply PLAN.csv [--json] [--yes] [--dry-run] [--password-file FILE]

Sets many arrays from a plan: CSV (RFC 4180; CRLF or LF; a UTF-8 byte order
mark may lead) with a header row. The column mac says which array a row is
for; the others are what to set, as set takes them: host_name, mode (fixed
or dhcp), ip, netmask, gateway, dns, time_zone, and optionally date, time
and password (a row's own password, where it differs). An empty cell, or a
value equal to what find prints for the array, changes nothing; a cell may
also keep a value of the array's own that set could not write (two DNS
servers "a,b", a longer host name). With mode dhcp the address columns are
not sent: the array keeps its own addresses, as the wizard does. Blank rows
are skipped.
The whole plan is checked before anything is sent: bad values, a MAC named
twice and one fixed address given twice before the search; after it, arrays
that share their address with another, an address another array answers for
now, and values the array cannot take.
Any problem refuses the whole plan, every problem listed by row. Then each
row in turn: password check and save, its outcome on one line (arrays not
found and rows with nothing to change are skipped), a summary with the time
of each phase, and a new search showing each row's array as it now reports
itself: CHECK says "as sent", "differs: ..." or "not found".
  --json   the summary as JSON on the standard output, the lines as they go
           on the standard error
To undo a plan, keep q6 find --csv from before it and apply that.

)";

constexpr const char* kZones = R"(usage: q6 zones

The time zone table of the wizard: each row and the zone word that choosing
it writes to the array (sys.Time.timeZone), what --time-zone and a plan's
time_zone take.

)";

} // namespace

std::string HelpText(Command command) {
    const std::string common = std::string(kTextRules) + "\n" + kExitCodes;
    switch (command) {
    case Command::kFind:
        return kFind + common;
    case Command::kShow:
        return kShow + std::string(kArrayText) + "\n" + common;
    case Command::kSet:
        return kSet + std::string(kArrayText) + "\n" + kSendRules + "\n" + kPasswordRules + "\n" +
               common;
    case Command::kApply:
        return kApply + std::string(kSendRules) + "\n" + kPasswordRules + "\n" + common;
    case Command::kZones:
        return kZones;
    case Command::kNone:
        break;
    }
    return kOverview + std::string(kArrayText) + "\n" + kPasswordRules + "\n" + common;
}
