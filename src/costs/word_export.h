#pragma once
// The costs tab's word-processor documents: the payment order made from the
// template in the data directory, and the filled copy of a user's document.
// Both are real .docx files written by the docx layer; the user's own files
// (the template, the chosen document) are never changed.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/dates.h"
#include "companion/docx.h"
#include "costs/costs.h"

namespace verdika::costs {

// data directory + "Vzor/PR.docx".
std::filesystem::path paymentOrderTemplatePath(const std::filesystem::path& dataDir);

// The payment-order petition the program ships: a claim with the motion for a
// payment order, "castka" where the principal goes and "naklady_rizeni" where
// the costs petition goes, the parties' details to be filled in.
docx::Document paymentOrderTemplate();

// Writes the shipped template when the data directory has none; an existing
// one (perhaps edited by the user) stays as it is. Returns its path.
std::filesystem::path provisionPaymentOrderTemplate(const std::filesystem::path& dataDir);

// A new payment order in data directory + "PR/": the template with "castka" as
// the principal and "naklady_rizeni" as the costs petition. The name carries
// the date and time (see paymentOrderFileName); a name already taken gets a
// number. Returns the new document's path.
std::filesystem::path generatePaymentOrder(const std::filesystem::path& dataDir, const TNaklady_rizeni& record,
                                           std::string_view costsPetition, const DateTime& now);

// "<name> - Verdika.docx" beside the document.
std::filesystem::path filledCopyPath(const std::filesystem::path& document);

// The filled copy of a user's document: each placeholder of the value list
// (in row order; empty ones unused) replaced by the record's value of its row.
// Returns the copy's path.
std::filesystem::path exportToWord(const std::filesystem::path& document, const std::vector<std::string>& placeholders,
                                   const TNaklady_rizeni& record);

}  // namespace verdika::costs
