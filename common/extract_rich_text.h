#pragma once

#include <string>
#include <string_view>
#include <vector>

/// Appends the body text of a rich-text (RTF) file to lines, as plain lines of at most width
/// characters (a single longer word and the last line of a paragraph may be longer). Font and
/// colour tables, style sheets, document information, headers, footers, footnotes, pictures and
/// index entries are dropped; characters stay bytes of the document's code page.
/// Throws FileError NotFound when the file cannot be opened, and FileError General when the
/// document is malformed; the lines extracted before the error stay in lines.
void ExtractRichText(const std::string& path, std::vector<std::string>& lines, int width);

/// The same on a document held in memory; pathForErrors names it in the errors.
void ExtractRichTextFromMemory(std::string_view document, const std::string& pathForErrors,
                               std::vector<std::string>& lines, int width);
