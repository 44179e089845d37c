.pragma library

// The domain a location's name suggests: one host-name label (lower-case letters, digits and
// inner hyphens, at most 63 characters) under ".org"; empty when the name has no letter or digit.
function fromName(name) {
    var label = String(name || "").normalize("NFD").replace(/[\u0300-\u036f]/g, "").toLowerCase()
        .replace(/[^a-z0-9]+/g, "-").replace(/^-+|-+$/g, "")
    label = label.substring(0, 63).replace(/-+$/, "")
    return label === "" ? "" : label + ".org"
}
