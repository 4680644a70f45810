#include "util/messages.h"

#include <array>
#include <cstddef>

#include "util/app_state.h"

namespace tarvel {

namespace {

struct Entry {
  Msg id;
  MessageTexts texts;
};

// In the order of Msg; checked below at compile time. French in
// Windows-1252: a letter right after a \x escape is split off into its own
// literal where it could be read as one more hex digit.
constexpr Entry kMessages[] = {
    {Msg::file_not_found, {"%1/Fichier introuvable", "%1/File not found"}},
    {Msg::path_too_long,
     {"%1/*** Chemin de plus de 256 caract\xe8res ***",
      "%1/*** Path longer than 256 characters ***"}},
    {Msg::program_folder_too_long,
     {"Le chemin du dossier du programme %1 est trop long/Il compte au plus %2 caract\xe8res, "
      "barre oblique inverse finale comprise/D\xe9placez TARVEL dans un dossier au chemin plus "
      "court",
      "The path of the program folder %1 is too long/It may hold at most %2 characters, the final "
      "backslash included/Move TARVEL to a folder with a shorter path"}},
    {Msg::write_failure,
     {"TARVEL : erreur d'\xe9"
      "criture dans %1, ligne %2 : %3 (%4)",
      "TARVEL: error writing %1, line %2: %3 (%4)"}},
    {Msg::condor3_not_found,
     {"*** Installation de Condor 3 non trouv\xe9"
      "e ***",
      "*** Condor 3 installation not found ***"}},
    {Msg::no_folder_selected,
     {"*** Pas dossier s\xe9lectionn\xe9 ***", "*** No folder selected ***"}},
    {Msg::no_landscape_selected,
     {"*** Pas de sc\xe8ne s\xe9lectionn\xe9"
      "e ***",
      "*** No landscape selected ***"}},
    {Msg::too_many_turnpoints,
     {"TARVEL n'accepte pas plus que 30 points de virage",
      "TARVEL does not support more than 30 turnpoints"}},
    {Msg::too_many_penalty_zones,
     {"TARVEL n'accepte pas plus que 11 zones de p\xe9nalit\xe9",
      "TARVEL does not support more than 11 penalty zones"}},
    {Msg::incorrect_condor_version,
     {"get_condor_inst_dir : incorrect Condor version",
      "get_condor_inst_dir : incorrect Condor version"}},
    {Msg::folder_not_writable,
     {"Le dossier %1 n'est pas accessible en \xe9"
      "criture/Modifiez les droits d'acc\xe8"
      "s du dossier/Ou installez TARVEL \xe0 un autre emplacement",
      "The %1 folder is not writable/Change the access rights of the folder/Or install in another "
      "location"}},
    {Msg::plan_not_version_2, {"*** FPL pas en Version 2 ***", "*** FPL not Version 2 ***"}},
    {Msg::cannot_init_conversion,
     {"%1/Impossible d'initialiser la conversion de coordonn\xe9"
      "es",
      "%1/Unable to initialize coordinate conversion"}},
    {Msg::settings_cannot_be_opened,
     {"*** File %1 : cannot be opened ***", "*** File %1 : cannot be opened ***"}},

    {Msg::wine_prefix_used,
     {"Pr\xe9"
      "fixe Wine : %1",
      "Wine prefix: %1"}},
    {Msg::several_prefixes,
     {"*** Plusieurs pr\xe9"
      "fixes Wine contiennent Condor 3 ***",
      "*** Several Wine prefixes hold Condor 3 ***"}},
    {Msg::and_more_prefixes, {"(et %1 autres)", "(and %1 more)"}},
    {Msg::choose_one_prefix,
     {"Choisissez-en un : WINEPREFIX=/chemin/du/prefixe TARVEL ...",
      "Choose one: WINEPREFIX=/path/to/prefix TARVEL ..."}},
    {Msg::choose_prefix_title,
     {"TARVEL : Choisir le pr\xe9"
      "fixe Wine de Condor 3 (plusieurs le contiennent)",
      "TARVEL : Select the Wine prefix of Condor 3 (several hold it)"}},
    {Msg::looked_in_named_prefix,
     {"Cherch\xe9 dans le pr\xe9"
      "fixe Wine d\xe9sign\xe9 par WINEPREFIX (%1) ; ",
      "Looked in the Wine prefix named by WINEPREFIX (%1); "}},
    {Msg::looked_in_prefix,
     {"Cherch\xe9 dans le pr\xe9"
      "fixe Wine %1 ; ",
      "Looked in the Wine prefix %1; "}},
    {Msg::no_prefix_holds_condor3,
     {"Aucun pr\xe9"
      "fixe Wine ne contient Condor 3 dans %1 ; ",
      "No Wine prefix holds Condor 3 in %1; "}},
    {Msg::name_the_prefix,
     {"d\xe9signez le pr\xe9"
      "fixe qui contient Condor 3 : WINEPREFIX=/chemin/du/prefixe TARVEL ...",
      "name the prefix that holds Condor 3: WINEPREFIX=/path/to/prefix TARVEL ..."}},

    {Msg::read_error,
     {"{W}%1 non converti/Erreur de lecture de %2 : %3",
      "{W}%1 not converted/Read error in %2: %3"}},
    {Msg::output_cannot_be_opened,
     {"{W}%1 non converti/Ouverture impossible : %2", "{W}%1 not converted/Cannot be opened: %2"}},
    {Msg::output_cannot_be_written,
     {"{W}%1 non converti/\xc9"
      "criture impossible : %2",
      "{W}%1 not converted/Cannot be written: %2"}},
    {Msg::system_reason_suffix, {" : %1", ": %1"}},
    {Msg::unknown_setting,
     {"{W}%1, ligne %2 : r\xe9glage inconnu \"%3\", ligne ignor\xe9"
      "e (r\xe9glages : Landscape, Defaults, Condor2_Landscapes_Path, Default_output_files, en "
      "respectant les majuscules)",
      "{W}%1, line %2: unknown setting \"%3\", line ignored (settings: Landscape, Defaults, "
      "Condor2_Landscapes_Path, Default_output_files, with this case)"}},
    {Msg::settings_taken, {"\"R\xe9glages de %1 (%2) : %3\"", "\"Settings from %1 (%2): %3\""}},
    {Msg::setting_line, {"%1=%2 (ligne %3)", "%1=%2 (line %3)"}},
    {Msg::no_setting, {"aucun", "none"}},
    {Msg::not_a_landscape,
     {"Le dossier %1 n'est pas une sc\xe8ne de Condor 3/(%2 introuvable)/Choisissez le dossier "
      "d'une sc\xe8ne",
      "The folder %1 is not a Condor 3 landscape/(%2 not found)/Choose the folder of a "
      "landscape"}},

    {Msg::turnpoints_outside_one, {"%1 point de virage sur %2", "%1 of %2 turnpoint"}},
    {Msg::turnpoints_outside_many, {"%1 points de virage sur %2", "%1 of %2 turnpoints"}},
    {Msg::corners_outside_one,
     {"%1 coin de zone de p\xe9nalit\xe9 sur %2", "%1 of %2 penalty-zone corner"}},
    {Msg::corners_outside_many,
     {"%1 coins de zone de p\xe9nalit\xe9 sur %2", "%1 of %2 penalty-zone corners"}},
    {Msg::counts_joined, {"%1 et %2", "%1 and %2"}},
    {Msg::lies_outside, {"%1: %2 se trouve hors de %3", "%1: %2 lies outside %3"}},
    {Msg::lie_outside, {"%1: %2 se trouvent hors de %3", "%1: %2 lie outside %3"}},
    {Msg::farthest_up_to, {", jusqu'\xe0 %1 km", ", up to %1 km"}},
    {Msg::farthest_corner, {"zone de p\xe9nalit\xe9 %1, coin %2", "penalty zone %1, corner %2"}},
    {Msg::farthest_turnpoint, {"point de virage %1 \"%2\"", "turnpoint %1 \"%2\""}},

    {Msg::version_line, {"TARVEL - Version %1", "TARVEL - Version %1"}},
    {Msg::log_in_program_folder,
     {"Dossier de travail non accessible en \xe9"
      "criture : journal dans %1",
      "The working folder cannot be written: log file in %1"}},
    {Msg::condor_not_detected,
     {"{I}*** Condor%1 installation not detected on this computer ***",
      "{I}*** Condor%1 installation not detected on this computer ***"}},
    {Msg::plan_converted, {"%1 converted to %2", "%1 converted to %2"}},
    {Msg::plan_converted_with_defaults, {"%1 converted to %2 (%3)", "%1 converted to %2 (%3)"}},
    {Msg::utm_not_initialized, {"UTM NOT INITIALIZED", "UTM NOT INITIALIZED"}},
    {Msg::utm_unknown_file_type,
     {"UTM unrecognised file type %1", "UTM unrecognised file type %1"}},
    {Msg::utm_cannot_read, {"UTM unable to read %1", "UTM unable to read %1"}},
    {Msg::airspace_cannot_be_opened,
     {"%1/Fichier d'espace a\xe9rien : ouverture impossible", "%1/Airspace file : error opening"}},
    {Msg::environment_variable_error,
     {"Error getting environment variable/%1", "Error getting environment variable/%1"}},
    {Msg::environment_variable_error_title, {"get_condor_user_path", "get_condor_user_path"}},
    {Msg::unrecognized_option, {"%1 : unrecognized option", "%1 : unrecognized option"}},

    {Msg::condor2_landscapes_title,
     {"Select Condor 2 Landscapes folder", "Select Condor 2 Landscapes folder"}},
    {Msg::open_plans_title, {"TARVEL : Select V2 flight plan", "TARVEL : Select V2 flight plan"}},
    {Msg::plans_filter, {"Condor Flight Plans (*.fpl)", "Condor Flight Plans (*.fpl)"}},
    {Msg::defaults_file_title, {"TARVEL : Select defaults file", "TARVEL : Select defaults file"}},
    {Msg::destination_title,
     {"Select Condor 3 destination landscape", "Select Condor 3 destination landscape"}},
    {Msg::save_plan_title, {"TARVEL : Select V3 flightplan", "TARVEL : Select V3 flightplan"}},
    {Msg::dialog_error_title, {"Error", "Error"}},
    {Msg::no_file_selected,
     {"Aucun fichier sp\xe9"
      "cifi\xe9",
      "No file selected"}},
    {Msg::dialog_no_folder_selected, {"No folder selected", "No folder selected"}},
    {Msg::too_many_plans_selected,
     {"Trop de plans choisis \xe0 la fois.\nChoisissez au plus %1 plans par s\xe9lection.",
      "Too many plans chosen at once.\nChoose at most %1 plans in one selection."}},
    {Msg::replace_existing,
     {"%1 existe d\xe9j\xe0.\nVoulez-vous le remplacer ?",
      "%1 already exists.\nDo you want to replace it?"}},

    {Msg::usage_syntax,
     {"TARVEL.exe [-help] (-auto] [-d:DEFAULTS] [-l:LANDSCAPE] [file(s)]",
      "TARVEL.exe [-help] (-auto] [-d:DEFAULTS] [-l:LANDSCAPE] [file(s)]"}},
    {Msg::usage_help, {"-help        : print the syntax", "-help        : print the syntax"}},
    {Msg::usage_auto,
     {"-auto        : do no ask for output file names",
      "-auto        : do no ask for output file names"}},
    {Msg::usage_landscape,
     {"-l:LANDSCAPE : Condor3 landscape name that will be used for ALL files",
      "-l:LANDSCAPE : Condor3 landscape name that will be used for ALL files"}},
    {Msg::usage_defaults,
     {"-d:DEFAULTS  : path to a file containing default values for ALL files (.fpl format)",
      "-d:DEFAULTS  : path to a file containing default values for ALL files (.fpl format)"}},
    {Msg::usage_files,
     {"file(s)      : path(s) to the file(s) to convert",
      "file(s)      : path(s) to the file(s) to convert"}},
};

constexpr bool in_enum_order() {
  if (std::size(kMessages) != static_cast<std::size_t>(Msg::count)) return false;
  for (std::size_t i = 0; i < std::size(kMessages); ++i) {
    if (static_cast<std::size_t>(kMessages[i].id) != i) return false;
  }
  return true;
}
static_assert(in_enum_order(), "one entry per message, in the order of Msg");

}  // namespace

const MessageTexts& message_texts(Msg id) { return kMessages[static_cast<std::size_t>(id)].texts; }

std::string_view message_text(Msg id, bool french) {
  const MessageTexts& t = message_texts(id);
  return french ? t.french : t.english;
}

std::string fill_message(std::string_view text, std::initializer_list<std::string_view> values) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(text[i + 1] - '1');
      if (n < values.size()) out.append(values.begin()[n]);
      ++i;
      continue;
    }
    out.push_back(c);
  }
  return out;
}

std::string message(Msg id, bool french, std::initializer_list<std::string_view> values) {
  return fill_message(message_text(id, french), values);
}

std::string message(Msg id, std::initializer_list<std::string_view> values) {
  return message(id, app_state().qfr, values);
}

}  // namespace tarvel
