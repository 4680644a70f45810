// Every text the program shows a user (boxes, dialog titles, log and console
// messages, the usage lines), each held once with its French and its English
// wording. French texts are Windows-1252, as everywhere inside the program.
// A text may hold %1 … %9, filled with the values given when it is used; a
// value is put in as it stands (a "%1" inside a path stays "%1"). Texts that
// have never been translated hold the English wording in both languages.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tarvel {

enum class Msg {
  // Run-ending messages.
  file_not_found,
  path_too_long,
  program_folder_too_long,
  write_failure,
  condor3_not_found,
  no_folder_selected,
  no_landscape_selected,
  too_many_turnpoints,
  too_many_penalty_zones,
  incorrect_condor_version,
  folder_not_writable,
  plan_not_version_2,
  cannot_init_conversion,
  settings_cannot_be_opened,
  // The Wine prefix search.
  wine_prefix_used,
  several_prefixes,
  and_more_prefixes,
  choose_one_prefix,
  choose_prefix_title,
  looked_in_named_prefix,
  looked_in_prefix,
  no_prefix_holds_condor3,
  name_the_prefix,
  // Skipped plans and warnings in the log.
  read_error,
  output_cannot_be_opened,
  output_cannot_be_written,
  system_reason_suffix,
  unknown_setting,
  settings_taken,
  setting_line,
  no_setting,
  not_a_landscape,
  // Positions outside a landscape.
  turnpoints_outside_one,
  turnpoints_outside_many,
  corners_outside_one,
  corners_outside_many,
  counts_joined,
  lies_outside,
  lie_outside,
  farthest_up_to,
  farthest_corner,
  farthest_turnpoint,
  // Other log and console lines.
  version_line,
  log_in_program_folder,
  condor_not_detected,
  plan_converted,
  plan_converted_with_defaults,
  utm_not_initialized,
  utm_unknown_file_type,
  utm_cannot_read,
  airspace_cannot_be_opened,
  environment_variable_error,
  environment_variable_error_title,
  unrecognized_option,
  // Dialog titles and the boxes of the dialogs.
  condor2_landscapes_title,
  open_plans_title,
  plans_filter,
  defaults_file_title,
  destination_title,
  save_plan_title,
  dialog_error_title,
  no_file_selected,
  dialog_no_folder_selected,
  too_many_plans_selected,
  replace_existing,
  // The usage lines of -help.
  usage_syntax,
  usage_help,
  usage_auto,
  usage_landscape,
  usage_defaults,
  usage_files,
  count
};

struct MessageTexts {
  std::string_view french;
  std::string_view english;
};

// Both wordings of a message.
const MessageTexts& message_texts(Msg id);

// The wording in French or in English, its %n not filled.
std::string_view message_text(Msg id, bool french);

// The wording with %1, %2 … replaced by `values` (missing ones by nothing).
std::string message(Msg id, bool french, std::initializer_list<std::string_view> values = {});

// The same in the run's language (French when the user's language is).
std::string message(Msg id, std::initializer_list<std::string_view> values = {});

// Fills %1 … %9 of `text`; exposed for the table's own checks.
std::string fill_message(std::string_view text, std::initializer_list<std::string_view> values);

}  // namespace tarvel
