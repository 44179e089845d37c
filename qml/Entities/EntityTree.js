.pragma library

// Tree order of entities that name their parent by id, over an index from id to entity.
// A parent that is not in the index makes the entity a top-level one; a chain that runs in a
// circle stops where it would repeat, so a broken answer cannot hang the screen.

// The entities from the top of the entity's tree down to the entity itself.
function ancestry(index, entity, parentKey) {
    var chain = []
    var seen = {}
    for (var current = entity; current && !seen[current.idd]; ) {
        seen[current.idd] = true
        chain.unshift(current)
        var parentId = current[parentKey]
        current = parentId && index ? index[parentId] : null
    }
    return chain
}

function parentOf(index, entity, parentKey) {
    var chain = ancestry(index, entity, parentKey)
    return chain.length > 1 ? chain[chain.length - 2] : null
}

function depth(index, entity, parentKey) {
    return Math.max(ancestry(index, entity, parentKey).length - 1, 0)
}

// "/Root::1/Child::7": each level's name and id, from the top down.
function sortablePath(index, entity, parentKey) {
    return ancestry(index, entity, parentKey).map(function (node) {
        return "/" + node.name + "::" + node.idd
    }).join("")
}

// Orders two ancestries level by level: names in the locale's order, then ids. Comparing the
// joined path texts instead would let the locale's handling of "/" and ":" mix levels.
function compareAncestries(a, b) {
    var levels = Math.min(a.length, b.length)
    for (var i = 0; i < levels; ++i) {
        var byName = String(a[i].name).localeCompare(String(b[i].name))
        if (byName !== 0)
            return byName
        if (a[i].idd !== b[i].idd)
            return a[i].idd < b[i].idd ? -1 : 1
    }
    return a.length - b.length
}

// The ids of the entity and of everything below it.
function subtreeIds(index, entity, parentKey) {
    var ids = {}
    if (!entity)
        return ids
    for (var id in index) {
        var chain = ancestry(index, index[id], parentKey)
        for (var i = 0; i < chain.length; ++i) {
            if (chain[i].idd === entity.idd) {
                ids[id] = true
                break
            }
        }
    }
    return ids
}
