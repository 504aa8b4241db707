#include "demo/demo_phrases.h"

#include <array>

namespace orvane::demo {

namespace {

constexpr auto kSentences = std::to_array<std::string_view>({
    "The ferry leaves at dawn.", "Have you seen my lantern?", "The well went dry last summer.",
    "Keep your voice down.", "Kael, the gate is open!", "Lirae says the river is rising.",
    "Pell lost his boots again.", "Tock fixed the old mill wheel.", "Wend can read the star charts.",
    "Zuri knows every path in the hills.", "Orrin keeps the keys to the tower.", "The Clone stood very still.",
    "Our Skiff will not float much longer.", "Bring three pieces of copper wire.", "Nobody goes up there at night.",
    "The bridge to the east is broken.", "I sell rope, oil and dried fish.", "Rest here as long as you like.",
    "My brother went north and never wrote.", "The bell rings twice at noon.", "Mind the loose stones.",
    "This road ends at the salt flats.", "We ran out of flour two days ago.", "The miller owes me a favour.",
    "A storm is coming from the sea.", "Can you carry this to the harbour?", "The lamps in the hall are lit.",
    "Somebody has been digging by the wall.", "The guards change at sunset.", "Try the door on the left.",
    "That map is older than I am.", "I heard singing under the floor.", "Please, take the blue key.",
    "The tide will turn within the hour.", "Wend wants to leave before the rain.",
    "Kael and Lirae left for the coast.", "Pell says the cellar is flooded.", "Tock built a kite from sailcloth.",
    "Zuri found tracks near the ford.", "Orrin will not open the vault.", "Each lock has its own song.",
    "The orchard gives sweet plums.", "Watch out for the crows.", "Three ships came in this morning.",
    "The market closes early today.", "Do not feed the goats.", "The lighthouse keeper is asleep.",
    "There is a hole in the roof again.", "The tea is still warm.", "Wind turns the vanes all day.",
    "Give this letter to the mayor.", "My hands are too cold to work.", "The children play by the canal.",
    "A grey cat sleeps on the stairs.", "You may borrow my spare coat.", "We will meet at the old oak.",
    "The stove needs more wood.", "That bell tower leans a bit.", "Listen to the frogs tonight.",
    "The school opens after the harvest.", "Every window faces the sea.", "I keep my savings in a boot.",
    "Follow the white stones home.", "The baker wakes before the birds.", "Some say the moon has a door.",
    "The ferryman charges two coins.", "I have not slept in days.", "You look like you need a meal.",
    "The road is safe as far as the inn.", "We dry the nets on the roof.", "Sand got into everything.",
    "Ask Orrin about the archive.", "The attic is full of old clocks.", "My garden grows only onions.",
    "The pump squeaks when it rains.", "Wend painted the boats red.", "Lirae plays the flute at dusk.",
    "Kael can swim across the bay.", "Pell and Tock argue all day.", "Zuri sleeps with one eye open.",
    "The library has a secret shelf.", "A gull stole my sandwich.", "This glass is from the far west.",
    "The mine was closed ten years ago.", "The fog hides the far shore.", "Our well has the best water.",
    "The music box plays one tune.", "Hand me that hammer, please.", "I still owe you a dinner.",
    "The path forks at the chapel.", "Count the steps as you climb.", "Beware of the bog to the south.",
    "The stars are bright tonight.", "Clean boots are welcome here.", "Snow fell on the high pass.",
    "The barn door will not close.", "Someone moved the signpost.", "The fishermen sing at work.",
    "We trade wool for salt.", "Tell me what you saw.", "The ink has faded on this page.",
    "Take the lower road, it is shorter.", "Mother keeps bees behind the house.", "This is the last boat out.",
    "The old dam holds, for now.", "My uncle mends fishing nets.", "Stay close to the lanterns.",
    "The hall smells of cedar.", "Our cart lost a wheel.", "The coins here are square.",
    "Look at the size of that turnip!", "I think we are being followed.", "Do you hear the drums?",
    "The wind has changed again.", "Half the village went to the fair.", "That statue was a gift.",
    "Each step echoes in this tunnel.", "The captain wants a word with you.", "Be back before the bell.",
    "A letter came for you today.", "The kettle is on the hook.", "Pick up your feet, we are late.",
    "Your room is at the top.", "I dreamt of a green sky.", "The river runs backwards here.",
    "I only trust the old maps.", "Let the dog in, it is cold.", "Those clouds look like sheep.",
    "The wall has a painted door.", "There is mud on every floor.", "Our chimney whistles.",
    "Walk softly past the shrine.", "The weaver needs red thread.", "This key opens nothing here.",
    "A raft drifted in at night.", "Go and ask the ferryman.", "Skiff, hold the rope tight!",
    "Clone, stay by the door.", "Orrin, where is the ledger?", "The gate creaks on its hinges.",
    "Apples are 4 for a copper.", "We leave at 6 sharp.", "The sign reads: \"Closed\".",
    "Fish, bread & cheese (cheap).", "It is 20 steps to the top.", "Price: 15 silver - no less.",
    "Is it true? Tell me!", "Well... maybe tomorrow.", "What a day it has been...",
    "So that's what you meant.", "Hold on, I'll fetch it.", "Don't touch that lever!",
    "That's 100% true.", "Up / down, it's all the same.", "Good. Now, the next part.",
    "No one wins at cards with Pell.",
});

constexpr auto kReplies = std::to_array<std::string_view>({
    "Yes.", "No.", "Hm?", "OK!", "Go!", "Ah!", "Oh?", "Eh?", "Huh", "Hey!", "Run!", "Wait", "Why?",
    "Now!", "...", "Fine", "Sure", "Look", "Stop", "Help", "Hi.", "Bye.", "Yay!", "Ugh.", "Hah!",
    "Kael", "Zuri", "Pell", "Tock", "Wend", "Orrin", "Lirae", "Okay", "Aye.", "Nay.", "Heh.", "Ow!",
    "Shh!", "Hmm.", "Ha!", "Oof.", "Yes!", "No!", "Hm.", "Oh!", "Wow!", "Me?", "Us?",
});

constexpr auto kSpeakers = std::to_array<std::string_view>({
    "Kael: ", "Lirae: ", "Pell: ", "Tock: ", "Wend: ", "Zuri: ", "Orrin: ",
    "Guard: ", "Baker: ", "Child: ", "Sailor: ", "Old man: ", "Miller: ", "Clerk: ",
});

constexpr auto kTitles = std::to_array<std::string_view>({
    "Salt Road", "The Ferry", "Mill Town", "Low Tide", "Grey Hills", "Old Tower", "Lantern Hall",
    "Bog Path", "North Gate", "Fair Day", "Harbour", "Star Chart", "Dry Well", "The Vault",
    "High Pass", "Sea Fog", "Bell Tower", "Canal", "Orchard", "Archive", "Shrine", "Last Boat",
    "Mine Road", "River Bend", "Night Sky", "Home", "Epilogue",
});

constexpr auto kPlaceStarts = std::to_array<std::string_view>({
    "Ash", "Bel", "Cor", "Dun", "El", "Fen", "Gal", "Har", "Ist", "Kor", "Lun",
    "Mar", "Nor", "Ost", "Pel", "Riv", "Sel", "Tor", "Ul", "Ves", "Wyn",
});

constexpr auto kPlaceEnds = std::to_array<std::string_view>({
    "ba", "den", "mar", "rin", "ton", "vik", "ley", "mo", "sa", "holt", "by",
});

constexpr auto kItemMaterials = std::to_array<std::string_view>({
    "Iron", "Oak", "Ash", "Moon", "Sun", "Gale", "Bone", "Ruby", "Jade", "Opal", "Dusk", "Dawn",
    "Salt", "Reed", "Tin", "Gold", "Clay", "Silk", "Star", "Sea", "Fog", "Elm", "Mist", "Old",
});

constexpr auto kItemKinds = std::to_array<std::string_view>({
    "Blade", "Axe", "Staff", "Bow", "Mail", "Helm", "Ring", "Tonic", "Charm", "Key",
});

constexpr auto kItemInfoTexts = std::to_array<std::string_view>({
    "A plain blade.", "A keen blade.", "A blade of legend.",
    "A heavy axe.", "A wide axe.", "An axe that hums.",
    "A walking staff.", "A carved staff.", "A staff of power.",
    "A short bow.", "A long bow.", "A bow that never misses.",
    "Light armour.", "Sturdy armour.", "Armour of old kings.",
    "A simple helm.", "A crested helm.", "A helm of the deep.",
    "A copper ring.", "A silver ring.", "A ring that glows.",
    "Heals a little.", "Heals a lot.", "Heals everyone.",
    "Wards off bad luck.", "Wards off sleep.", "Wards off all harm.",
    "Opens a door.", "Opens a gate.", "Opens the vault.",
});

constexpr auto kCreatureTraits = std::to_array<std::string_view>({
    "Grey", "Cave", "Marsh", "Rock", "Dune", "Frost", "Ember", "Dusk", "Moss", "Tide", "Rust",
    "Pale", "Wild", "Salt", "Ash", "Bog", "Iron", "Storm", "Mud", "Sky", "Vine", "Old",
});

constexpr auto kCreatures = std::to_array<std::string_view>({
    "Wolf", "Bat", "Toad", "Crab", "Moth", "Newt", "Boar", "Hawk", "Eel", "Mole", "Imp", "Slug",
});

constexpr auto kElements = std::to_array<std::string_view>({
    "Fire", "Ice", "Bolt", "Wind", "Stone", "Tide", "Light", "Shade", "Mend", "Ward", "Haste",
    "Sleep", "Glow", "Mist", "Quake",
});

constexpr auto kMoves = std::to_array<std::string_view>({
    "Cleave", "Rush", "Parry", "Feint", "Lunge", "Sweep", "Guard", "Kick", "Toss", "Dash",
    "Volley", "Whirl", "Smash", "Pounce", "Jab", "Hook", "Slam", "Aim", "Roll", "Taunt",
});

constexpr auto kTechniqueEffects = std::to_array<std::string_view>({
    "Hits one foe with great force.", "Strikes every foe in a wide arc.", "Blocks the next blow.",
    "Burns one foe.", "Chills all foes and slows them.", "A bolt that jumps between foes.",
    "Heals one friend a little.", "Heals all friends.", "Raises the party's guard.",
    "Makes one foe fall asleep.", "Lets the user act first.", "Shakes the ground under all foes.",
    "Hides the party in mist.", "Lights up a dark room.", "Knocks a foe off balance.",
    "Pulls a foe closer.",
});

}  // namespace

std::span<const std::string_view> Sentences() { return kSentences; }
std::span<const std::string_view> Replies() { return kReplies; }
std::span<const std::string_view> Speakers() { return kSpeakers; }
std::span<const std::string_view> Titles() { return kTitles; }
std::span<const std::string_view> PlaceStarts() { return kPlaceStarts; }
std::span<const std::string_view> PlaceEnds() { return kPlaceEnds; }
std::span<const std::string_view> ItemMaterials() { return kItemMaterials; }
std::span<const std::string_view> ItemKinds() { return kItemKinds; }
std::span<const std::string_view> ItemInfoTexts() { return kItemInfoTexts; }
std::span<const std::string_view> CreatureTraits() { return kCreatureTraits; }
std::span<const std::string_view> Creatures() { return kCreatures; }
std::span<const std::string_view> Elements() { return kElements; }
std::span<const std::string_view> Moves() { return kMoves; }
std::span<const std::string_view> TechniqueEffects() { return kTechniqueEffects; }

}  // namespace orvane::demo
