#include "Usage.h"

#include <filesystem>
#include <iostream>

#include "platform/TextFile.h"

#ifndef SVPASS_VERSION
#define SVPASS_VERSION "unknown"
#endif

namespace {

const char* const kExitStatus =
    "\nExit status:\n"
    "  0  success, also when reading the passport gave messages (on standard error)\n"
    "  1  the passport could not be read or the output could not be written, or\n"
    "     reading gave messages under --strict\n"
    "  2  wrong or missing arguments\n"
    "  3  edit only: a bad script line or a disabled tool\n";

// check's exit status tells what it found; it replaces the general block.
const char* const kCheckExitStatus =
    "\nExit status:\n"
    "  0  nothing found\n"
    "  1  warnings only\n"
    "  2  errors found, or the check could not run (no passport, the report could not\n"
    "     be written, wrong arguments); standard error says which\n";



// diff's exit status tells whether the passports differ.
const char* const kDiffExitStatus =
    "\nExit status:\n"
    "  0  the passports are the same\n"
    "  1  they differ\n"
    "  2  wrong arguments, a passport that cannot be read, or output that cannot be\n"
    "     written\n";

const char* const kDatabaseRuns =
    "\nWhole databases: dump, render, print and export take a database folder instead of\n"
    "a passport, with --out DIR, and run for every svo* passport of it, --jobs N at a time\n"
    "(each in a process of its own; a failure never stops the others). Each passport\n"
    "gives one line on standard output, \"svoN: ok: DIR/svoN.EXT\" or \"svoN: exit C: ...\",\n"
    "then a line of totals; its messages go to standard error under its name, with a\n"
    "progress bar when standard error is a terminal. The exit status is the worst of\n"
    "the passports'.\n";

const std::vector<TCommandUsage> kUsages = {
    {"dump",
     "dump <passport-dir> [--phase P] [--program K] [--remaining T]\n"
     "       dump <database-dir> --out DIR [--jobs N] [--phase P] [--program K] [--remaining T]",
     "print the passport and its signal plan as one JSON object",
     "Reads info.txt and map.txt of the passport as the viewer does and writes "
     "one JSON\n"
     "object to standard output: address, plan (phases, directions), tables, "
     "tram schemes,\n"
     "the phase clock, the scheme's layers and the messages reading gave.\n"
     "\nOptions:\n"
     "  --phase P       show phase P, 1 to 255 (default 1)\n"
     "  --program K     timing program: 0 = I (default), 1 = II, 2 = III\n"
     "  --remaining T   seconds left in the phase, 0 or more\n"
     "  --strict        any message of reading: exit 1 and write nothing\n"
     "\nWith a database instead of a passport, writes DIR/svoN.json for every passport svoN\n"
     "of it (see \"Whole databases\" below).\n"
     "  --out DIR       the folder to write into (created if needed)\n"
     "  --jobs N        passports dumped at once (default: the number of processors)\n",
     {{"--phase", 1}, {"--program", 1}, {"--remaining", 1}, {"--strict", 0}, {"--out", 1}, {"--jobs", 1}}},
    {"resave",
     "resave <passport-dir> --out DIR [--info] [--force] [--strict]",
     "write the passport back out as the program writes it",
     "Reads the passport and writes its map.txt into DIR (created if needed).\n"
     "\nOptions:\n"
     "  --out DIR       the directory to write into: new or empty\n"
     "  --info          write info.txt as well\n"
     "  --force         write into a directory that is not empty\n"
     "  --strict        any message of reading: exit 1 and write nothing\n",
     {{"--out", 1}, {"--info", 0}, {"--force", 0}, {"--strict", 0}}},
    {"generate",
     "generate --items N --seed S --out DIR [--force]",
     "write a synthetic passport of N scheme items",
     "Writes info.txt and map.txt of a passport: a grid of intersections under "
     "one signal\n"
     "plan. The same seed gives the same files.\n"
     "\nOptions:\n"
     "  --items N       number of scheme items, 0 to 10000000\n"
     "  --seed S        seed of the generator\n"
     "  --out DIR       the directory to write into: new or empty\n"
     "  --force         write into a directory that is not empty\n",
     {{"--items", 1}, {"--seed", 1}, {"--out", 1}, {"--force", 0}}},
    {"render",
     "render <passport-dir> --out FILE.png|FILE.jpg|FILE.svg|FILE.dxf|- [--width W] [--height H] [--phase "
     "P] [--program K]\n"
     "         [--remaining T] [--preset all|cable|tsrd|odd] [--look "
     "view|edit|print] [--sign-scale S]\n"
     "         [--primitives FILE.jsonl|-] [--strict]\n"
     "       render <database-dir> --out DIR [--jobs N] [options as above but --primitives]",
     "draw the scheme as the viewer shows it into a PNG, JPEG or SVG image or a DXF drawing",
     "Draws the passport's scheme, fitted to the picture, without a display.\n"
     "\nOptions:\n"
     "  --out FILE      the picture: FILE.png (PNG), FILE.jpg (JPEG) or FILE.svg (SVG 1.1,\n"
     "                  a group per layer and per item) or FILE.dxf (AutoCAD 2004 drawing,\n"
     "                  code page 1251, a CAD layer per scheme layer, at world coordinates\n"
     "                  with y up: zoom 1, origin 0, no fitting, --width and --height unused);\n"
     "                  - writes PNG to standard output;\n"
     "                  any other name is refused\n"
     "  --width W       picture width in pixels, 16 to 20000 (default 1280)\n"
     "  --height H      picture height in pixels, 16 to 20000 (default 800)\n"
     "  --phase P       show phase P (default 1)\n"
     "  --program K     timing program: 0 = I, 1 = II, 2 = III\n"
     "  --remaining T   seconds left in the phase, 0 or more\n"
     "  --preset NAME   layers shown: all, cable, tsrd or odd\n"
     "  --look NAME     view, edit or print\n"
     "  --sign-scale S  size of the signs, above 0 and below 100\n"
     "  --primitives FILE\n"
     "                  also write every primitive of the picture, in drawing order, one JSON\n"
     "                  object a line; - writes them to standard output (not with --out -).\n"
     "                  Members: op (line, polyline, polygon, ellipse, rectangle, arc, pie,\n"
     "                  fillrect, stretchdraw, text), points ([x,y] screen pixels), pen (color,\n"
     "                  width, style solid|dot, mode copy|xor), brush (color, style\n"
     "                  solid|clear|diagcross); text ops also font (height, escapement, weight,\n"
     "                  italic, face, color), align and text. Colours: \"0x\" and six hex\n"
     "                  digits of 0x00BBGGRR.\n"
     "\nWith a database instead of a passport, writes DIR/svoN.png for every passport svoN\n"
     "of it (see \"Whole databases\" below).\n"
     "  --jobs N        passports drawn at once (default: the number of processors)\n",
     {{"--out", 1},
      {"--primitives", 1},
      {"--width", 1},
      {"--height", 1},
      {"--phase", 1},
      {"--program", 1},
      {"--remaining", 1},
      {"--preset", 1},
      {"--look", 1},
      {"--sign-scale", 1},
      {"--strict", 0},
      {"--jobs", 1}}},
    {"edit",
     "edit <passport-dir> --script FILE --out DIR [--size WxH] [--today YYYY-MM-DD]",
     "run an editing script on a copy of the passport",
     "Copies info.txt and map.txt into DIR (refused when DIR exists and is not "
     "empty), opens\n"
     "the copy in the editor on a paint box of W x H pixels and runs the "
     "script; the command\n"
     "\"Сохранить изменения\" writes DIR/map.txt. Prints one JSON object: "
     "layers, messages,\n"
     "dialogs, changed, undo, tool, points, view.\n"
     "\nOptions:\n"
     "  --script FILE   the script, UTF-8, one command a line\n"
     "  --out DIR       the directory of the copy\n"
     "  --size WxH      paint box size in pixels (default 1000x700)\n"
     "  --today DATE    today's date for the change log, YYYY-MM-DD (default: the real date)\n"
     "",
     {{"--script", 1}, {"--out", 1}, {"--size", 1}, {"--today", 1}}},
    {"print",
     "print <passport-dir> --out FILE.pdf|FILE.png|- [--format pdf|png] [--mode "
     "scheme|diagram|tram]\n"
     "         [--preset tsrd|odd|cable] [--phases P [Q]] [--lengths L1 ... "
     "L7] [--color]\n"
     "         [--gray-border] [--no-date] [--date DD.MM.YYYY] [--title TEXT]\n"
     "         [--paper A4|A3|Letter] [--landscape] [--dpi N] [--strict]\n"
     "       print <database-dir> --out DIR [--format pdf|png] [--jobs N] [options as above]",
     "print a page of the passport to PDF or PNG",
     "Writes the page the print dialog would print for the same settings.\n"
     "\nOptions:\n"
     "  --out FILE      FILE.pdf (vector) or FILE.png (raster); - writes the page to\n"
     "                  standard output, as --format says (default pdf)\n"
     "  --mode NAME     scheme, diagram (time diagram) or tram\n"
     "  --preset NAME   layers printed: tsrd, odd or cable\n"
     "  --phases P [Q]  the phase or the two phases printed\n"
     "  --lengths L...  phase lengths in seconds, up to seven (default: main "
     "times of\n"
     "                  program I); each at most 200, or its stored main time "
     "when longer\n"
     "  --color         print in colour\n"
     "  --gray-border   curbs and tram tracks as grey bands (\"Серый бордюр\")\n"
     "  --no-date       leave out the print date\n"
     "  --date D        the print date, DD.MM.YYYY\n"
     "  --title TEXT    the page title\n"
     "  --paper NAME    A4, A3 or Letter\n"
     "  --landscape     landscape orientation\n"
     "  --dpi N         resolution of a PNG page (default 150)\n"
     "  --strict        any message of reading: exit 1 and write nothing\n"
     "\nWith a database instead of a passport, writes DIR/svoN.pdf (or .png) for every\n"
     "passport svoN of it (see \"Whole databases\" below).\n"
     "  --format F      pdf (default) or png, also for --out -\n"
     "  --jobs N        passports printed at once (default: the number of processors)\n",
     {{"--out", 1},
      {"--mode", 1},
      {"--preset", 1},
      {"--phases", 1},
      {"--lengths", 1},
      {"--color", 0},
      {"--gray-border", 0},
      {"--no-date", 0},
      {"--date", 1},
      {"--title", 1},
      {"--paper", 1},
      {"--landscape", 0},
      {"--dpi", 1},
      {"--strict", 0},
      {"--jobs", 1},
      {"--format", 1}}},
    {"export",
     "export <passport-dir> --out FILE.docx|.odt|.rtf|.doc|.pdf [--print] "
     "[--sections LIST]\n"
     "         [--word-visible] [--commands-to LOG|-] [--open] [--strict]\n"
     "       export <database-dir> --out DIR [--format doc|docx|odt|rtf|pdf] [--jobs N] [--print]\n"
     "         [--sections LIST] [--word-visible] [--strict]",
     "export the passport's tables as a document",
     "Writes the passport document the export dialog writes, with its "
     "sections.\n"
     "\nOptions:\n"
     "  --out FILE          FILE.docx (Word), FILE.odt (OpenDocument), FILE.rtf, FILE.doc\n"
     "                      (RTF under the Word 97 name) or FILE.pdf\n"
     "  --print             take the print path (FILE is the PDF printed to)\n"
     "  --sections LIST     comma-separated: phases, directions, exo, comment, "
     "equipment,\n"
     "                      changes, connection (default: as the dialog "
     "shows)\n"
     "  --word-visible      as the dialog's box of that name\n"
     "  --commands-to LOG   write the log of document commands to LOG (- for standard output)\n"
     "  --open              open the written document\n"
     "  --strict            any message of reading: exit 1 and write nothing\n"
     "\nWith a database instead of a passport, writes DIR/svoN.doc (or the format asked\n"
     "for) for every passport svoN of it (see \"Whole databases\" below).\n"
     "  --format F          doc (default), docx, odt, rtf or pdf; pdf alone with --print\n"
     "  --jobs N            passports exported at once (default: the number of processors)\n",
     {{"--out", 1},
      {"--print", 0},
      {"--sections", 1},
      {"--word-visible", 0},
      {"--commands-to", 1},
      {"--open", 0},
      {"--strict", 0},
      {"--jobs", 1},
      {"--format", 1}}},
    {"check",
     "check <passport-dir|database-dir> [--json]",
     "look for inconsistencies in one passport or every passport of a database",
     "Reads the passport, or every passport of the database (the directories named svo and\n"
     "digits, in lower case, holding info.txt or map.txt; others named svo... are listed\n"
     "on standard error as skipped), and lists what does not\n"
     "hold together: heads without directions, directions without heads, phases without\n"
     "arrows, times that cannot hold, stray items and labels, messages of reading.\n"
     "\nOptions:\n"
     "  --json          one JSON object instead of text\n",
     {{"--json", 0}}},
    {"publish",
     "publish <database-dir> --out DIR [--only svoN ...] [--no-pdf]",
     "the database as a static web site: an index and a page per passport",
     "Writes a web site that needs no server and nothing from elsewhere: DIR/index.html lists\n"
     "every passport (number, address, object type, the check's errors and warnings) with a\n"
     "search field; DIR/svoN/index.html shows the scheme with the layer presets, the phase\n"
     "and program buttons and the plan played second by second, the phase and direction\n"
     "tables, the check's findings and links to the printed scheme and time diagram (PDF)\n"
     "and the exported tables. Publishing again writes only the passports whose files\n"
     "changed since (DIR/.svpass-site keeps their hashes) and removes the pages of passports\n"
     "that are gone.\n"
     "\nOptions:\n"
     "  --out DIR       the site's directory (made when missing)\n"
     "  --only svoN ... only these passports; a named passport gone from the database has\n"
     "                  its page removed\n"
     "  --no-pdf        no printed pages beside the passports' pages\n",
     {{"--out", 1}, {"--only", 1}, {"--no-pdf", 0}}},
    {"db",
     "db init DIR [--remote URL] | db clone URL DIR | db sync DIR [--prefer mine|theirs] [--json] | "
     "db commit DIR [--message TEXT]",
     "keep versions of a database's passports and share the database",
     "init    makes the database folder DIR versioned: a repository, map.txt and info.txt\n"
     "        never merged line by line, one first version of every passport; with\n"
     "        --remote publishes it there (an empty bare repository or a server URL)\n"
     "clone   makes DIR a working copy of the shared database at URL\n"
     "sync    records every changed passport as a version, takes the others' versions,\n"
     "        merges passport by passport and sends its own; a passport changed on both\n"
     "        sides keeps one version whole (--prefer, default mine), the other stays in\n"
     "        its history\n"
     "commit  records the passports changed outside the program, one version each\n"
     "\nOptions:\n"
     "  --remote URL    where init publishes the database\n"
     "  --prefer WHICH  mine or theirs: the version kept when both sides changed a passport\n"
     "  --json          sync: {\"recorded\",\"received\",\"sent\",\"conflicts\"}\n"
     "  --message TEXT  commit: a comment after each version's summary\n"
     "\nExit status: 0; 3 when sync met conflicts (resolved by --prefer); 1 on failure,\n"
     "with nothing lost; 2 on usage errors.\n",
     {{"--remote", 1}, {"--prefer", 1}, {"--json", 0}, {"--message", 1}}},
    {"history",
     "history PASSPORT [--json]",
     "the versions of a passport of a versioned database, newest first",
     "Lists every version that changed the passport folder PASSPORT, on every side of\n"
     "every sync: its id, date (ISO 8601), author and summary.\n"
     "\nOptions:\n"
     "  --json          {\"passport\", \"versions\": [{\"rev\",\"date\",\"author\",\"summary\"}]}\n"
     "\nExit status: 0; 1 when the folder is no passport of a versioned database; 2 on usage errors.\n",
     {{"--json", 0}}},
    {"restore",
     "restore PASSPORT --rev R",
     "bring back a version of a passport as a new version",
     "Writes map.txt and info.txt of the passport folder PASSPORT as version R holds them,\n"
     "byte for byte, and records them as a new version; the history is never rewritten.\n"
     "Prints the new version's id (nothing when the folder already held them).\n"
     "\nExit status: 0; 1 when the version or the database cannot be read or the files written;\n"
     "2 on usage errors.\n",
     {{"--rev", 1}}},
    {"summary",
     "summary <database-dir|passport-dir> [--csv|--json]",
     "one row per passport of a database: number, address, size, check, file dates",
     "Reads and checks every svo* passport of the database and writes one row for each:\n"
     "number, address, object type, phases, directions, scheme items, errors and warnings\n"
     "of the check, and when info.txt and map.txt were last written (ISO 8601, UTC).\n"
     "The text form is an aligned table; a missing file's date shows as \"-\".\n"
     "\nOptions:\n"
     "  --csv           comma-separated values with a header row (RFC 4180, CR LF;\n"
     "                  a missing file's date is empty)\n"
     "  --json          one JSON object: \"passports\", an array of objects with dir,\n"
     "                  number, address (strings), objectType (0, 1, 2), objectTypeName,\n"
     "                  phases, directions, items, errors, warnings (numbers), infoDate and\n"
     "                  mapDate (strings, null for a missing file)\n"
     "\nExit status 1 also when the folder holds no passport.\n",
     {{"--csv", 0}, {"--json", 0}}},
    {"diff",
     "diff <passport-dir> <passport-dir> [--json] | diff <passport-dir> --rev R1 [--rev R2] [--json]",
     "what changed between two passports: information and scheme",
     "Reads both passports and compares them: the stored fields of the information\n"
     "(as dump writes them, without what is computed from the plan and the clock) and\n"
     "the scheme layer by layer. Items equal in type and stored lines are unchanged;\n"
     "of the rest, items of one type at most 100 units apart (first points, nearest\n"
     "first) are one item changed; the others are added or removed. Writes a summary\n"
     "line and the differences. With --rev, compares versions of one passport of a\n"
     "versioned database: R1 against R2, or against the working folder.\n"
     "\nOptions:\n"
     "  --rev R         a version (full or short id, HEAD~n) of the passport; twice for two\n"
     "  --json          one JSON object: {\"info\":[{\"path\",\"before\",\"after\"}...],\n"
     "                  \"scheme\":{\"added\":[item...],\"removed\":[item...],\n"
     "                  \"changed\":[{\"before\":item,\"after\":item}...]}}; path is a JSON\n"
     "                  Pointer into dump's JSON, an item {\"layer\",\"type\",\"lines\"}\n",
     {{"--json", 0}, {"--rev", 1}}},
};

// "-" alone names standard output; "-5" and "-.5" are values, not options.
bool LooksLikeOption(const std::string& a) {
  if (a.size() < 2 || a[0] != '-') return false;
  const char c = a[1];
  return !(c == '.' || (c >= '0' && c <= '9'));
}

}  // namespace

const std::vector<TCommandUsage>& CommandUsages() { return kUsages; }

const TCommandUsage* FindCommandUsage(const std::string& name) {
  for (const TCommandUsage& u : kUsages)
    if (name == u.Name) return &u;
  return nullptr;
}

std::string ToolHelp(const std::vector<std::string>& commands) {
  std::string text =
      "usage: svpass-cli COMMAND [ARGUMENTS]\n"
      "       svpass-cli COMMAND --help\n"
      "       svpass-cli --help | --version\n"
      "\nReads, checks, converts and draws the technical "
      "passports of signalised\n"
      "intersections without a window.\n"
      "\nCommands:\n";
  for (const std::string& name : commands) {
    const TCommandUsage* u = FindCommandUsage(name);
    std::string line = "  " + name;
    line.resize(12, ' ');
    text += line + (u ? u->Summary : "") + "\n";
  }
  return text + kDatabaseRuns + kExitStatus;
}

std::string CommandHelp(const TCommandUsage& usage) {
  const std::string name = usage.Name;
  const bool batch = name == "dump" || name == "render" || name == "print" || name == "export";
  return std::string("usage: svpass-cli ") + usage.Synopsis + "\n\n" + usage.Details + (batch ? kDatabaseRuns : "") +
         (name == "check" ? kCheckExitStatus : name == "diff" ? kDiffExitStatus : kExitStatus);
}

std::string VersionText() { return std::string("svpass-cli ") + SVPASS_VERSION + "\n"; }

TArgsVerdict CheckArgs(const TCommandUsage& usage, const TArgs& args, std::string& unknown) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") return TArgsVerdict::Help;
    if (!LooksLikeOption(a)) continue;
    const TOptionUsage* known = nullptr;
    for (const TOptionUsage& o : usage.Options)
      if (a == o.Name) known = &o;
    if (!known) {
      unknown = a;
      return TArgsVerdict::UnknownOption;
    }
    i += static_cast<std::size_t>(known->Values);
  }
  return TArgsVerdict::Run;
}

std::ostream& CliError(const std::string& command) { return std::cerr << "svpass-cli: " << command << ": "; }

int UsageError(const std::string& command) {
  CliError(command) << "missing or invalid arguments\n";
  if (const TCommandUsage* u = FindCommandUsage(command)) std::cerr << "usage: svpass-cli " << u->Synopsis << '\n';
  std::cerr << "Try 'svpass-cli " << command << " --help'.\n";
  return 2;
}

int UsageError(const std::string& command, const std::string& why) {
  if (why.empty()) return UsageError(command);
  CliError(command) << why << '\n';
  if (const TCommandUsage* u = FindCommandUsage(command)) std::cerr << "usage: svpass-cli " << u->Synopsis << '\n';
  std::cerr << "Try 'svpass-cli " << command << " --help'.\n";
  return 2;
}

bool PassportDirReadable(const std::string& command, const std::string& dir) {
  if (DirectoryExists(dir)) return true;
  CliError(command) << "cannot read the passport directory " << dir << '\n';
  return false;
}

bool OutputDirFree(const std::string& dir, bool force, std::string& why) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!fs::exists(dir, ec)) return true;
  if (!fs::is_directory(dir, ec)) {
    why = dir + " exists and is not a directory";
    return false;
  }
  if (force || fs::is_empty(dir, ec)) return true;
  why = dir + " is not empty; --force writes over the passport in it";
  return false;
}
