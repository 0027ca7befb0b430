-- wrk script: rated record reads, rating lists, club sizes and photos in turn; each of wrk's
-- threads stops after 50,000 answers (two threads: 100,000 requests).
local form = {["Content-Type"] = "application/x-www-form-urlencoded"}
local requests = {
  wrk.format("POST", "/service/account", form, "nick=Bench&pw=bench123&crddb4best=0"),
  wrk.format("POST", "/service/account", form, "crddb4kon=0"),
  wrk.format("POST", "/service/account", form, "label1=0"),
  wrk.format("GET", "/photos/Bench.jpg"),
}
local i = 0
local answered = 0
request = function()
  i = i % #requests + 1
  return requests[i]
end
response = function()
  answered = answered + 1
  if answered >= 50000 then wrk.thread:stop() end
end
