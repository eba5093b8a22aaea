// The STEP physical file (ISO 10303-21) that carries an IFC model: numbered entity instances,
// their attribute values and the header.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace murcad {

/// A reference to an entity instance (#id); 0 stands for an unset attribute ("$").
using StepId = std::uint32_t;

/// Builds the attribute list of one entity instance: values are appended in schema order.
class StepArgs {
public:
    /// An entity reference, "#12"; 0 writes "$".
    StepArgs &ref(StepId id);
    /// A string, escaped for STEP: quotes and backslashes doubled, characters beyond ASCII as
    /// \X2\...\X0\ (UTF-16); bytes that are not UTF-8 are kept as Latin-1 characters.
    StepArgs &str(std::string_view utf8);
    /// A real number; STEP wants a decimal point ("3.", "0.25", "1.E-07"). Values that are not
    /// finite are written as 0. and counted.
    StepArgs &real(double v);
    /// A real number to full double precision (the shortest text that reads back as v), for
    /// values far below the micrometre that real() keeps, such as a bar's cross-section in m2.
    StepArgs &exactReal(double v);
    /// A whole number.
    StepArgs &integer(long long v);
    /// An enumeration value, ".ELEMENT.".
    StepArgs &enumeration(std::string_view name);
    /// An unset optional attribute, "$".
    StepArgs &unset();
    /// A derived attribute, "*".
    StepArgs &derived();
    /// A typed value, "IFCLABEL('x')" and the like: the type name and its already formatted
    /// value.
    StepArgs &typed(std::string_view type, std::string_view formattedValue);
    /// A list of references, "(#1,#2)".
    StepArgs &refs(const std::vector<StepId> &ids);
    /// A list of reals, "(0.,1.,2.5)".
    StepArgs &reals(std::initializer_list<double> values);
    /// Already formatted text, written as is (for nested lists).
    StepArgs &raw(std::string_view text);

    const std::string &text() const { return text_; }
    int nonFinite() const { return nonFinite_; }

private:
    void separate();
    std::string text_;
    int nonFinite_ = 0;
};

/// Formats a real the way STEP reads it; false when the value is not finite (written "0.").
bool formatStepReal(double v, std::string &out);
/// Formats a real to full double precision the way STEP reads it ("2.0106192982974676E-04",
/// "0.5"); false when the value is not finite (written "0.").
bool formatStepRealExact(double v, std::string &out);
/// Escapes a UTF-8 text into a STEP string literal, quotes included.
std::string stepString(std::string_view utf8);

/// The header of the file: description, name, authoring and schema.
struct StepHeader {
    std::string description = "ViewDefinition [ReferenceView_V1.2]";
    std::string fileName;
    std::string timeStamp; ///< ISO 8601, e.g. 2026-12-09T10:00:00
    std::string author;
    std::string organisation;
    std::string preprocessor = "MURCAD Vavire";
    std::string originatingSystem = "MURCAD Vavire";
    std::string schema = "IFC4";
};

/// Builds a whole STEP file in memory: the header first, then each add() numbers and appends
/// a new instance of the DATA section, and finish() closes the file.
class StepWriter {
public:
    explicit StepWriter(const StepHeader &header);

    /// Appends "#id=TYPE(args);" and returns id. type is the upper-case entity name.
    StepId add(std::string_view type, const StepArgs &args);
    /// The id the next add() will return.
    StepId nextId() const { return next_; }
    /// Number of instances written.
    std::size_t count() const { return next_ - 1; }
    /// Values that were not finite and were written as zero.
    int nonFiniteValues() const { return nonFinite_; }

    /// Closes the DATA section and hands over the whole file; the writer is empty afterwards.
    std::string finish();

private:
    std::string data_;
    StepId next_ = 1;
    int nonFinite_ = 0;
};

} // namespace murcad
