.pragma library

.import "qrc:///Entities/EntityTree.js" as EntityTree

// The tag tree as rows and the selection that follows it. Tags are plain objects with idd,
// parentId and name; a tag whose parent is not loaded counts as a root.

// One row per tag ({idd, tag, intent}): each tag right after its parent, siblings by name.
// A loop of parents is broken where it is found, so every tag still gets one row.
function orderedRows(tags, index) {
    if (!tags || !tags.length)
        return []
    return EntityTree.orderedRows(tags, index || {}, "parentId", function (tag, depth, id) {
        return { "idd": id, "tag": tag, "intent": depth }
    })
}

// The selection after (un)selecting tagId, or null when nothing changes. With followTree,
// selecting spreads up to the root and clearing spreads down to the leaves.
function changedSelection(selection, tagId, select, followTree, tags, index) {
    var current = selection || []
    var ids = [tagId]
    if (followTree)
        ids = select ? ancestorsAndSelf(tagId, index || {}) : descendantsAndSelf(tagId, tags || [])
    // Sets by id keep a change along a deep tree linear.
    var present = {}
    for (var i = 0; i < current.length; ++i)
        present[current[i]] = true
    if (select) {
        var added = ids.filter(function (id) {
            var isNew = !present[id]
            present[id] = true
            return isNew
        })
        return added.length ? current.concat(added) : null
    }
    var cleared = {}
    for (var k = 0; k < ids.length; ++k)
        cleared[ids[k]] = true
    var kept = current.filter(function (id) { return !cleared[id] })
    return kept.length !== current.length ? kept : null
}

function ancestorsAndSelf(tagId, index) {
    var ids = [tagId]
    var seen = {}
    seen[tagId] = true
    var tag = index[tagId]
    while (tag && tag.parentId && index[tag.parentId] && !seen[tag.parentId]) {
        seen[tag.parentId] = true
        ids.push(tag.parentId)
        tag = index[tag.parentId]
    }
    return ids
}

function descendantsAndSelf(tagId, tags) {
    var children = {}
    for (var i = 0; i < tags.length; ++i) {
        var tag = tags[i]
        if (!tag)
            continue
        if (!children[tag.parentId])
            children[tag.parentId] = []
        children[tag.parentId].push(tag.idd)
    }
    var ids = [tagId]
    var seen = {}
    seen[tagId] = true
    for (var at = 0; at < ids.length; ++at) {
        var own = children[ids[at]] || []
        for (var k = 0; k < own.length; ++k) {
            if (!seen[own[k]]) {
                seen[own[k]] = true
                ids.push(own[k])
            }
        }
    }
    return ids
}
